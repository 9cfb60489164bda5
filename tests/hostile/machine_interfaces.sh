# Sourced by the scripts that build a machine inside a private network
# namespace: adds network interfaces to it, and nowhere else.
#
# add_interface NAME: a dummy interface, or, where the kernel has no dummy
# driver, one end of a veth pair whose other end is moved into a spare
# network namespace, so that NAME is the only interface the machine gains.
# The spare namespace lives as long as the process in $spare_pid; the caller
# ends it.

spare_pid=""

_wait_for_spare_namespace() {
    local own i
    own="$(readlink /proc/self/ns/net)"
    for ((i = 0; i < 50; i++)); do
        if [ "$(readlink "/proc/$spare_pid/ns/net" 2>/dev/null)" != "$own" ]; then
            return 0
        fi
        sleep 0.1
    done
    echo "machine_interfaces: no spare network namespace" >&2
    return 1
}

add_interface() {
    local name="$1"
    if ! ip link add "$name" type dummy 2>/dev/null; then
        if [ -z "$spare_pid" ]; then
            unshare --net sleep 3600 &
            spare_pid=$!
            _wait_for_spare_namespace
        fi
        ip link add "$name" type veth peer name "${name}p" netns "$spare_pid"
    fi
    ip link set "$name" up
}

add_v4() { ip addr add "$2/32" dev "$1"; }
add_v6() { ip -6 addr add "$2/64" dev "$1" nodad; }

# Only the addresses a script asks for: the kernel makes no IPv6 link-local
# addresses of its own, and new addresses are usable at once.
quiet_ipv6() {
    echo 1 >/proc/sys/net/ipv6/conf/default/addr_gen_mode
    echo 0 >/proc/sys/net/ipv6/conf/default/accept_dad
}
