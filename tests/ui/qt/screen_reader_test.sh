#!/usr/bin/env bash
# Runs screen_reader_test.py against the program on a display and a session
# bus of its own, so that neither the user's screen nor the user's
# accessibility bus is touched: x11 is Xvfb with a window manager (metacity,
# which activates windows as a desktop does), wayland is weston nested in
# Xvfb. Stops all it started.
#
# Usage: screen_reader_test.sh x11|wayland PROGRAM ORACLE
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=../../shell/weston.sh
source "$here/../../shell/weston.sh"

# Everything below runs on a private session bus, which starts the
# accessibility bus on demand and ends with this script. The accessibility
# bus puts its socket in the runtime folder (or ~/.cache without one), at a
# path that is the same for every bus of the user: a folder of this run's
# own keeps two runs at once (x11 and wayland in one ctest -j) apart.
if [ -z "${TALLOWIN_PRIVATE_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null ||
        fail "dbus-run-session is missing (script/bootstrap installs it)"
    unset AT_SPI_BUS_ADDRESS
    runtime="$(mktemp -d)"
    XDG_RUNTIME_DIR="$runtime" TALLOWIN_PRIVATE_BUS="$runtime" exec dbus-run-session -- "$0" "$@"
fi
python=/usr/bin/python3  # Debian's, which has the AT-SPI bindings
"$python" -c 'import pyatspi' 2>/dev/null ||
    fail "python3-pyatspi is missing (script/bootstrap installs it)"

wm_pid=""
managed() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
stop_all() {
    stop_process "$wm_pid"
    stop_weston  # and its Xvfb, or the plain one of x11
    rm -rf "$TALLOWIN_PRIVATE_BUS"
}
trap stop_all EXIT

case "$1" in
x11)
    command -v metacity >/dev/null || fail "metacity is missing (script/bootstrap installs it)"
    weston_runtime="$(mktemp -d)"  # the Xvfb's files, removed by stop_weston
    start_xvfb "$weston_runtime"
    metacity --sm-disable >"$weston_runtime/metacity.log" 2>&1 &
    wm_pid=$!
    wait_for 100 managed || fatal "metacity did not start: $(cat "$weston_runtime/metacity.log")"
    export QT_QPA_PLATFORM=xcb
    ;;
wayland)
    start_weston
    # Keys typed on the Xvfb go to weston's window, and from there to the
    # client that has weston's keyboard focus.
    xdotool search --sync --limit 1 --class weston windowfocus --sync >/dev/null 2>&1 ||
        fatal "weston's window did not come on its Xvfb"
    export QT_QPA_PLATFORM=wayland
    ;;
*) fatal "usage: screen_reader_test.sh x11|wayland PROGRAM ORACLE" ;;
esac
# Each step waits ten seconds at most; this bounds the whole run.
timeout 100 "$python" "$here/screen_reader_test.py" "$@"
