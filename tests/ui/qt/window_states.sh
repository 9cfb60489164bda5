#!/usr/bin/env bash
# The program's windows on one Wayland compositor, driven from outside as a
# person would with the compositor's own controls: each window is framed,
# carries the program's app id and takes the keyboard; and a maximise, full
# screen or minimise request, on the main window or on the list, leaves the
# program running, the window framed at its own size, and the main window
# never locked behind a hidden list.
#
# Usage: window_states.sh COMPOSITOR PROGRAM APP_ID WINDOW_FACTS
#   COMPOSITOR: weston, sway, kwin or mutter; WINDOW_FACTS: tests/ui/window_facts,
#   for the windows' captions.
set -uo pipefail
here="$(dirname "${BASH_SOURCE[0]}")"
# shellcheck source=../../shell/compositors.sh
source "$here/../../shell/compositors.sh"

target="$1" program="$2" app_id="$3"
load_window_facts "$4" || exit 1
failures=0
fail() {
    echo "${0##*/} ($target): $*" >&2
    failures=$((failures + 1))
}

# One row per compositor and request: the window, the request, and how the
# compositor is asked (its key bindings, its scripting, its IPC, or the
# buttons of the title bar that Qt draws). What a compositor does not offer
# has no row: sway has no maximised or minimised windows, mutter no full
# screen for a window that cannot be resized, KWin no maximise for one.
rows="
weston main maximise keys super+shift+m
weston main fullscreen keys super+shift+f
weston main maximise button max
weston main minimise button min
weston list maximise keys super+shift+m
weston list fullscreen keys super+shift+f
sway main fullscreen ipc fullscreen enable
sway list fullscreen ipc fullscreen enable
kwin main fullscreen script w.fullScreen=true
kwin list fullscreen script w.fullScreen=true
kwin list minimise script w.minimized=true
kwin main minimise script w.minimized=true
mutter main maximise keys super+Up
mutter main maximise button max
mutter main minimise button min
mutter list minimise keys super+h
"

log=""
app=""
stop_app() {
    stop_process "$app"
    app=""
}
trap 'stop_app; stop_compositor' EXIT

# The xdg_surface of the program's Nth window (1: the main window, 2: the
# list), and the window geometries it has set, first to last.
surface_of() {
    sed -n 's/.*get_xdg_surface(new id \(xdg_surface@[0-9]*\),.*/\1/p' "$log" | sed -n "${1}p"
}
geometries() {
    local surface
    surface="$(surface_of "$1")"
    [ -n "$surface" ] || return 0
    sed -n "s/.*-> $surface\.set_window_geometry(\(.*\))/\1/p" "$log"
}
shown() { [ -n "$(geometries "$1")" ]; }
# The window's geometry is the last it set: its designed size, with the
# title bar where the program draws it. A window that left the screen and
# came back has a surface of its own; the list is then the third.
at_size() {
    local n="$1" want="$2"
    [ "$(geometries "$n" | tail -n 1)" = "$want" ] ||
        { [ "$n" = 1 ] && [ "$(geometries 2 | tail -n 1)" = "$want" ]; }
}
closed() { grep -q -- "-> $(surface_of "$1")\.destroy()" "$log"; }

start_app() {
    log="$(mktemp -p "$compositor_dir")"
    WAYLAND_DEBUG=client QT_QPA_PLATFORM=wayland "$program" >"$log" 2>&1 &
    app=$!
    wait_for 100 shown 1 || fatal "the main window did not come: $(tail -n 5 "$log")"
    sleep 1
}

open_list() {
    # The focus starts on System Information; Show All is next.
    xdotool key Tab space
    wait_for 50 shown 2 || fail "the list did not open"
    sleep 1
}

# The window that is asked: its title on KWin and sway.
caption() {
    if [ "$1" = main ]; then
        window_fact main.caption
    else
        local list
        list="$(list_title_before_name)"
        echo "${list% }"
    fi
}

kwin_script() {
    local js name="s$RANDOM"
    js="$compositor_dir/$name.js"
    printf 'workspace.clientList().forEach(function (w) {\n  if (w.caption.indexOf("%s") == 0) { %s }\n});\n' \
        "$1" "$2" >"$js"
    if ! qdbus org.kde.KWin /Scripting org.kde.kwin.Scripting.loadScript "$js" "$name" >/dev/null ||
        ! qdbus org.kde.KWin /Scripting org.kde.kwin.Scripting.start >/dev/null; then
        fail "KWin did not take a script"
    fi
    sleep 0.5
    qdbus org.kde.KWin /Scripting org.kde.kwin.Scripting.unloadScript "$name" >/dev/null || true
}

# Qt's title bar: its buttons at the right end, found from the window's
# frame as the screen shows it, below Weston's panel.
press_title_button() {
    local window="$1" button="$2" box x y w panel=0
    [ "$target" = weston ] && panel=31
    # The pointer off the compositor's screen first: out of the picture, and
    # weston delivers it only once it has seen it come in.
    xdotool mousemove 1020 760
    sleep 0.2
    # The largest area of the window's colour (weston's cursor may be left
    # drawn where the pointer last was).
    box="$(import -window root png:- | convert png:- -fuzz 1% -fill black +opaque '#efefef' \
        -draw "rectangle 0,0 2000,$panel" -define connected-components:verbose=true \
        -define connected-components:area-threshold=2000 -connected-components 8 null: |
        awk 'NR > 1 && $NF != "srgba(0,0,0,1)" && $4 + 0 > best + 0 { best = $4; box = $2 } END { print box }')"
    [[ "$box" =~ ^([0-9]+)x[0-9]+\+([0-9]+)\+([0-9]+)$ ]] || {
        fail "$window window: no window found on the screen"
        return
    }
    w="${BASH_REMATCH[1]}" x="${BASH_REMATCH[2]}" y="${BASH_REMATCH[3]}"
    case "$button" in
        max) x=$((x + w - 40)) ;;
        min) x=$((x + w - 63)) ;;
    esac
    xdotool mousemove "$x" $((y + 12))
    sleep 0.3
    xdotool click 1
}

ask() {
    local window="$1" how="$2"
    shift 2
    case "$how" in
        keys) xdotool key "$@" ;;
        button)
            press_title_button "$window" "$1"
            # Qt's title bar asks the compositor; a click beside the button
            # would ask nothing.
            local request=set_maximized
            [ "$1" = min ] && request=set_minimized
            wait_for 20 grep -q "\.$request()" "$log" || fail "$window window: the $1 button was missed"
            ;;
        script) kwin_script "$(caption "$window")" "$*;" ;;
        ipc)
            SWAYSOCK="$XDG_RUNTIME_DIR/sway.sock" swaymsg "[title=\"^$(caption "$window")\"]" "$@" \
                >/dev/null || fail "swaymsg $* was refused"
            ;;
    esac
}

# Framed by the compositor, where it draws the title bar: KWin and sway.
framed() {
    local window="$1" out
    case "$target" in
        kwin)
            kwin_script "$(caption "$window")" \
                'print("FRAME " + (w.fullScreen || w.noBorder || w.minimized));'
            out="$(grep -a 'FRAME' "$compositor_dir/compositor.log" | tail -n 1)"
            [[ "$out" == *"FRAME false"* ]]
            ;;
        sway)
            SWAYSOCK="$XDG_RUNTIME_DIR/sway.sock" swaymsg -r -t get_tree | python3 -c '
import json, sys
def nodes(n):
    yield n
    for c in n.get("nodes", []) + n.get("floating_nodes", []): yield from nodes(c)
title = sys.argv[1]
ok = [n for n in nodes(json.load(sys.stdin)) if (n.get("name") or "").startswith(title)
      and n.get("fullscreen_mode") == 0 and n.get("border") == "normal"]
sys.exit(0 if ok else 1)' "$(caption "$window")"
            ;;
        *) true ;;
    esac
}

esc_closes_list() {
    closed 2 && return
    xdotool key Escape
    sleep 0.4
    false
}
alt_o_ends_program() {
    xdotool key alt+o
    wait_ended "$app" 10
}

check_row() {
    local window="$1" request="$2" how="$3"
    shift 3
    local what="$window window, $request by $how $*" n=1
    [ "$window" = list ] && n=2
    start_app
    [ "$window" = list ] && open_list
    local own
    own="$(geometries "$n" | tail -n 1)"
    ask "$window" "$how" "$@"
    sleep 1.5
    ended "$app" && {
        fail "$what: the program ended: $(grep -a -i error "$log" | tail -n 2)"
        return
    }
    if [ "$request" != minimise ] || [ "$how" = button ]; then
        wait_for 30 at_size "$n" "$own" ||
            fail "$what: not back at its own size ($own): $(geometries "$n" | tr '\n' ' ')"
        wait_for 30 framed "$window" || fail "$what: left without its title bar"
    fi
    if [ "$window" = list ]; then
        # Esc closes the list, once it is in front again; the main window
        # then takes the keyboard.
        wait_for 50 esc_closes_list ||
            fail "$what: the list never came back to take Esc"
    fi
    if [ "$window" = main ] && [ "$request" = minimise ] && [ "$how" != button ]; then
        stop_app # hidden by the compositor; a person takes it back from its task bar
        return
    fi
    # Weston may take a second to give the main window the keyboard back.
    wait_for 5 alt_o_ends_program ||
        fail "$what: the main window does not take Alt+O"
    stop_app
}

start_compositor "$target"
start_app
[ "$(sed -n 's/.*set_app_id("\(.*\)").*/\1/p' "$log" | head -n 1)" = "$app_id" ] ||
    fail "the app id is not $app_id"
framed main || fail "the main window has no title bar"
stop_app
while read -r name window request how args; do
    [ "$name" = "$target" ] || continue
    # shellcheck disable=SC2086 # the arguments are words of their own
    check_row "$window" "$request" "$how" $args
done <<<"$rows"
[ "$failures" -eq 0 ] || exit 1
echo "${0##*/} ($target): every window stayed framed at its own size"
