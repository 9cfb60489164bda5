# Sourced by the shell test harnesses: a private Wayland compositor, Debian's
# weston, on a socket and runtime folder of its own, so that tests never
# touch the user's own session. It runs nested in a private Xvfb server:
# weston's headless back end offers no seat (no keyboard, no pointer), and
# Qt 6.4's Wayland plugin dereferences the missing seat when it draws a text
# cursor, so only a compositor with input can show a text box at all.
# shellcheck source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

weston_pid=""
weston_runtime=""

# Starts the compositor; exports XDG_RUNTIME_DIR and WAYLAND_DISPLAY for it.
start_weston() {
    weston_runtime="$(mktemp -d)"
    chmod 700 "$weston_runtime"
    start_xvfb "$weston_runtime"
    XDG_RUNTIME_DIR="$weston_runtime" weston --backend=x11-backend.so --width=1024 \
        --height=768 --socket=tallowin-test --idle-time=0 --no-config \
        >"$weston_runtime/weston.log" 2>&1 &
    weston_pid=$!
    wait_for 100 test -S "$weston_runtime/tallowin-test" ||
        fatal "weston did not start: $(cat "$weston_runtime/weston.log")"
    export XDG_RUNTIME_DIR="$weston_runtime" WAYLAND_DISPLAY=tallowin-test
}

stop_weston() {
    stop_process "$weston_pid"
    weston_pid=""
    stop_xvfb
    [ -z "$weston_runtime" ] || rm -rf "$weston_runtime"
    weston_runtime=""
}

# The app id that PROGRAM gives its first window on Wayland (what docks and
# task bars match with a desktop entry), read from the protocol as it goes
# out. Needs a running start_weston.
wayland_app_id() {
    local program="$1" log pid
    log="$(mktemp)"
    WAYLAND_DEBUG=client QT_QPA_PLATFORM=wayland "$program" >"$log" 2>&1 &
    pid=$!
    wait_for 100 grep -q 'set_app_id(' "$log" || true
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    sed -n 's/.*set_app_id("\(.*\)").*/\1/p' "$log" | head -n 1
    rm -f "$log"
}
