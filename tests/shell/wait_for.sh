# Sourced by the shell test harnesses.

# Waits up to $1 tenths of a second for the command after it to succeed.
wait_for() {
    local tenths="$1"
    shift
    local i
    for ((i = 0; i < tenths; i++)); do
        if "$@"; then return 0; fi
        sleep 0.1
    done
    return 1
}
