# Sourced by the shell test harnesses: a private Xvfb server. The caller
# defines fail() (a message, then exit).
# shellcheck source=wait_for.sh
source "$(dirname "${BASH_SOURCE[0]}")/wait_for.sh"

xvfb_pid=""

# Starts Xvfb on a display number it picks itself (so tests can run side by
# side) and exports DISPLAY. $1: a folder for its files.
start_xvfb() {
    local dir="$1"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp \
        3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
    xvfb_pid=$!
    wait_for 100 test -s "$dir/display" || fail "Xvfb did not start: $(cat "$dir/xvfb.log")"
    export DISPLAY=":$(head -n 1 "$dir/display")"
    unset WAYLAND_DISPLAY
}

stop_xvfb() {
    if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    xvfb_pid=""
}

