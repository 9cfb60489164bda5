# Sourced by the scripts that build a machine inside a private network
# namespace: adds network interfaces to it, and nowhere else.
#
# add_interface NAME: a working link (one with a carrier): a dummy interface,
# or, where the kernel has no dummy driver, one end of a veth pair whose
# other end is moved into a spare network namespace and brought up there, so
# that NAME is the only interface the machine gains.
# add_unplugged NAME: a veth that is up, but without a carrier: its far end
# stays down. add_bridge NAME up|down: a bridge whose one port is such a
# veth, its far end up or down. add_wired NAME: a working link with
# 192.0.2.10/24 and the default route through 192.0.2.1.
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

# _add_veth NAME up|down: NAME up here, its far end NAMEp up or down in the
# spare namespace.
_add_veth() {
    if [ -z "$spare_pid" ]; then
        unshare --net sleep 3600 &
        spare_pid=$!
        _wait_for_spare_namespace
    fi
    ip link add "$1" type veth peer name "${1}p" netns "$spare_pid"
    nsenter --net="/proc/$spare_pid/ns/net" ip link set "${1}p" "$2"
    ip link set "$1" up
}

add_interface() {
    if ip link add "$1" type dummy 2>/dev/null; then
        ip link set "$1" up
    else
        _add_veth "$1" up
    fi
}

add_unplugged() { _add_veth "$1" down; }

add_bridge() {
    ip link add "$1" type bridge
    _add_veth "${1}port" "$2"
    ip link set "${1}port" master "$1"
    ip link set "$1" up
}

add_wired() {
    add_interface "$1"
    ip addr add 192.0.2.10/24 dev "$1"
    ip route add default via 192.0.2.1
}

add_v4() { ip addr add "$2/32" dev "$1"; }
add_v6() { ip -6 addr add "$2/64" dev "$1" nodad; }

# Only the addresses a script asks for: the kernel makes no IPv6 link-local
# addresses of its own, and new addresses are usable at once.
quiet_ipv6() {
    echo 1 >/proc/sys/net/ipv6/conf/default/addr_gen_mode
    echo 0 >/proc/sys/net/ipv6/conf/default/accept_dad
}
