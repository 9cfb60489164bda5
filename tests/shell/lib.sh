# The shell helpers that every script driving the program on a screen of its
# own shares: script/run and script/bench, and the test harnesses (hostile
# machines, Valgrind, packages, the Win32 GUI test, the Wayland runs).
# Sourced, never run. Every wait has a time limit, and every failure ends in
# a message that names the script.
#
# fail MESSAGE reports a failure. The default one prints the message after
# the script's name and exits; a script may define its own (before or after
# sourcing this) to add what it knows, such as the program's output, or to
# count a failed check and go on. fatal always ends the script.

if ! declare -F fail >/dev/null; then
    fail() {
        echo "${0##*/}: $*" >&2
        exit 1
    }
fi

fatal() {
    fail "$@"
    exit 1
}

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

# Whether the process $1 has ended.
ended() { ! kill -0 "$1" 2>/dev/null; }

# Waits up to $2 tenths of a second for the process $1 to end.
wait_ended() { wait_for "$2" ended "$1"; }

# Ends the process $1 if it still runs: asked first, killed after five
# seconds, and reaped when it is a child of this shell. An empty $1 is
# nothing to end.
stop_process() {
    if [ -n "$1" ] && ! ended "$1"; then
        kill "$1" 2>/dev/null || true
        wait_ended "$1" 50 || kill -9 "$1" 2>/dev/null || true
        wait "$1" 2>/dev/null || true
    fi
}

# The first visible window whose title matches the pattern $2, waiting for it
# up to $1 seconds; empty when none comes.
find_window() {
    timeout "$1" xdotool search --sync --onlyvisible --name "$2" 2>/dev/null | head -n 1 || true
}

# ---- What the windows show and where, as the program composes it
# (tests/ui/window_facts): load_window_facts COMMAND... runs it once (the
# program itself, or a way to start it, such as Wine), then window_fact KEY
# prints the first value of KEY ("main.caption", "report.label.systemName",
# ...) and window_facts_of KEY every value, one a line.

window_facts=""
load_window_facts() {
    window_facts="$("$@")" || { echo "could not read the window facts from $*" >&2; return 1; }
}
window_facts_of() {
    local line
    while IFS= read -r line; do
        [ "${line%%=*}" != "$1" ] || printf '%s\n' "${line#*=}"
    done <<<"$window_facts"
}
window_fact() {
    local values
    values="$(window_facts_of "$1")"
    [ -n "$values" ] || { echo "no window fact $1" >&2; return 1; }
    printf '%s\n' "${values%%$'\n'*}"
}

# The list window's title before the computer name ("IP Addresses for ").
list_title_before_name() {
    local caption
    caption="$(window_fact list.caption)" || return 1
    printf '%s' "${caption%\{name\}}"
}

# Clicks the centre of a control of a window: FORM is "main" or "list",
# NAME the control's ("cmdShowAll"). The designed place is scaled to the
# size the window really has.
click_control() {
    local window="$1" form="$2" name="$3" size centre WIDTH HEIGHT
    read -r -a size <<<"$(window_fact "$form.size")"
    read -r -a centre <<<"$(window_fact "$form.centre.$name")"
    eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(WIDTH|HEIGHT)=')"
    xdotool mousemove --window "$window" $((WIDTH * centre[0] / size[0])) \
        $((HEIGHT * centre[1] / size[1])) click 1
}

# ---- A private Xvfb server.

xvfb_pid=""

# Starts Xvfb on a display number it picks itself (so that scripts can run
# side by side) and exports DISPLAY. $1: a folder for its files.
start_xvfb() {
    local dir="$1"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp \
        3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
    xvfb_pid=$!
    wait_for 100 test -s "$dir/display" || fatal "Xvfb did not start: $(cat "$dir/xvfb.log")"
    export DISPLAY=":$(head -n 1 "$dir/display")"
    unset WAYLAND_DISPLAY
}

stop_xvfb() {
    stop_process "$xvfb_pid"
    xvfb_pid=""
}
