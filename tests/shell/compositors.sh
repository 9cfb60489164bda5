# shellcheck shell=bash
# Sourced by the shell test harnesses: one of the Wayland compositors that
# people run (weston, sway, KWin, mutter), each on a socket, runtime folder
# and session bus of its own, nested in a private Xvfb server so that tests
# never touch the user's own session and nothing needs a GPU.
#
# start_compositor NAME starts it and exports XDG_RUNTIME_DIR,
# WAYLAND_DISPLAY and DBUS_SESSION_BUS_ADDRESS for clients; stop_compositor
# ends all it started. Every wait is bounded.
# shellcheck source=lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

compositor=""
compositor_pid=""
compositor_dir=""
compositor_bus_pid=""

# The package that brings each compositor's program (script/bootstrap installs
# them all).
compositor_package() {
    case "$1" in
        weston) echo weston ;;
        sway) echo sway ;;
        kwin) echo kwin-wayland ;;
        mutter) echo mutter ;;
    esac
}

compositor_program() {
    case "$1" in
        kwin) echo kwin_wayland ;;
        *) echo "$1" ;;
    esac
}

start_compositor() {
    compositor="$1"
    command -v "$(compositor_program "$compositor")" >/dev/null ||
        fatal "$compositor is missing: install the package $(compositor_package "$compositor")"
    [ "$compositor" != kwin ] || command -v qdbus >/dev/null ||
        fatal "qdbus is missing (package qdbus-qt5), which drives KWin"
    compositor_dir="$(mktemp -d)"
    chmod 755 "$compositor_dir"
    mkdir -m 700 "$compositor_dir/run"
    start_xvfb "$compositor_dir"
    start_session_bus
    local socket=tallowin-test log="$compositor_dir/compositor.log"
    case "$compositor" in
        weston)
            # A little smaller than the X screen: its X window then sees the
            # pointer come in from outside, which it needs to deliver it.
            XDG_RUNTIME_DIR="$compositor_dir/run" weston --backend=x11-backend.so --width=1000 \
                --height=740 --socket="$socket" --idle-time=0 --no-config >"$log" 2>&1 &
            ;;
        sway)
            # sway will not run as root: it runs as nobody, in a runtime
            # folder of its own that the tests (root) can still reach.
            chown 65534:65534 "$compositor_dir/run"
            printf '%s\n' 'xwayland disable' 'default_border normal' \
                'font pango:DejaVu Sans 10' 'output * bg #336699 solid_color' \
                >"$compositor_dir/sway.conf"
            XDG_RUNTIME_DIR="$compositor_dir/run" WLR_BACKENDS=x11 WLR_RENDERER=pixman \
                WLR_X11_OUTPUTS=1 SWAYSOCK="$compositor_dir/run/sway.sock" \
                setpriv --reuid=65534 --regid=65534 --clear-groups \
                sway --config "$compositor_dir/sway.conf" >"$log" 2>&1 &
            socket=wayland-1
            ;;
        kwin)
            # Debian's kwin_wayland asks for a file capability that a
            # container may refuse; a copy has none, and keeps its name, by
            # which it finds its platform plug-in.
            mkdir "$compositor_dir/bin"
            cp /usr/bin/kwin_wayland "$compositor_dir/bin/kwin_wayland"
            XDG_RUNTIME_DIR="$compositor_dir/run" KWIN_COMPOSE=Q QT_LOGGING_RULES="kwin_scripting.debug=true" \
                XDG_CONFIG_HOME="$compositor_dir/config" \
                "$compositor_dir/bin/kwin_wayland" --x11-display "$DISPLAY" --width 1024 \
                --height 768 --socket "$socket" --no-lockscreen --no-global-shortcuts \
                --no-kactivities >"$log" 2>&1 &
            ;;
        mutter)
            # Its key bindings from a settings file of its own, with one for
            # full screen, which has none by default.
            mkdir -p "$compositor_dir/config/glib-2.0/settings"
            printf '%s\n' '[org/gnome/desktop/wm/keybindings]' \
                "toggle-fullscreen=['<Super>f']" "maximize=['<Super>Up']" \
                "minimize=['<Super>h']" >"$compositor_dir/config/glib-2.0/settings/keyfile"
            XDG_RUNTIME_DIR="$compositor_dir/run" XDG_CONFIG_HOME="$compositor_dir/config" \
                GSETTINGS_BACKEND=keyfile MUTTER_DEBUG_DUMMY_MODE_SPECS=1024x768 \
                LIBGL_ALWAYS_SOFTWARE=1 mutter --wayland --nested --no-x11 \
                --wayland-display="$socket" >"$log" 2>&1 &
            ;;
        *) fatal "no such compositor: $compositor" ;;
    esac
    compositor_pid=$!
    wait_for 300 test -S "$compositor_dir/run/$socket" ||
        fatal "$compositor did not start: $(tail -n 20 "$log")"
    export XDG_RUNTIME_DIR="$compositor_dir/run" WAYLAND_DISPLAY="$socket"
    # The compositor's window comes up a moment after its socket.
    wait_for 100 compositor_window_shown || true
}

compositor_window_shown() {
    [ -n "$(xdotool search --onlyvisible --name . 2>/dev/null | head -n 1)" ]
}

# A session bus of the test's own: KWin and mutter use one, and KWin is
# driven through it.
start_session_bus() {
    dbus-daemon --session --fork --nopidfile --print-address=3 --print-pid=4 \
        3>"$compositor_dir/bus" 4>"$compositor_dir/bus.pid" >/dev/null 2>&1 ||
        fatal "dbus-daemon did not start"
    DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$compositor_dir/bus")"
    compositor_bus_pid="$(head -n 1 "$compositor_dir/bus.pid")"
    export DBUS_SESSION_BUS_ADDRESS
}

stop_compositor() {
    stop_process "$compositor_pid"
    compositor_pid=""
    stop_process "$compositor_bus_pid"  # forked away: not reaped here
    compositor_bus_pid=""
    stop_xvfb
    [ -z "$compositor_dir" ] || rm -rf "$compositor_dir"
    compositor_dir=""
}
