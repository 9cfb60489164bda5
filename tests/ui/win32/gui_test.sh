#!/usr/bin/env bash
# Tallowin.exe under Wine on a private Xvfb server, driven as a person would
# with xdotool; screenshots of what it shows are saved for people to look at.
#
#   gui_test.sh TALLOWIN.EXE PREVIEW.EXE WINE-RUN.SH PREFIX SCREENSHOT-DIR
#
# 1. The program on Wine's own services. Wine's network object gives no
#    computer name, so the text line holds four blanks and the lookup's error
#    text, "Show All" is hidden and "System Information" shows nothing; OK
#    ends the program.
# 2. The same windows on a scripted machine (PREVIEW.EXE) with two addresses:
#    "Show All", clicked, opens the list, Esc closes it; "System Information",
#    clicked, shows the report, Enter closes it; a click on OK ends the
#    program.
set -uo pipefail

program="$1"
preview="$2"
wine_run="$3"
prefix="$4"
shots="$5"

wineserver=/usr/lib/wine/wineserver
[ -x "$wineserver" ] || wineserver="$(command -v wineserver)"
work="$(mktemp -d)"
xvfb_pid=""
app_pid=""
failures=0

cleanup() {
    if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then
        kill "$app_pid" 2>/dev/null
        wait "$app_pid" 2>/dev/null
    fi
    # Only this test uses this prefix: its Wine processes end with it.
    WINEPREFIX="$prefix" "$wineserver" -k 2>/dev/null
    if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

source "$(dirname "${BASH_SOURCE[0]}")/../../shell/wait_for.sh"

window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
has_window() { [ -n "$(window_named "$1")" ]; }
has_no_window() { [ -z "$(window_named "$1")" ]; }
program_ended() { ! kill -0 "$app_pid" 2>/dev/null; }

# Types keys into a window. (xdotool complains that there is no window
# manager to ask for the focus; that is so.)
keys() {
    local window="$1"
    shift
    xdotool key --window "$window" "$@" 2>/dev/null
}

# Saves a picture of one window.
shoot() {
    local window="$1" name="$2"
    sleep 0.5  # let it paint
    import -window "$window" "$shots/$name.png" 2>/dev/null || fail "no screenshot $name"
}

# Clicks a point of a window's client area, given in pixels at 96 DPI. Wine
# draws the frame itself here: equal borders left, right and below.
click_client() {
    local window="$1" x="$2" y="$3" client_height="$4"
    local WIDTH HEIGHT X Y SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$window")"
    local border=$(((WIDTH - client_width) / 2))
    xdotool mousemove --window "$window" $((border + x)) $((HEIGHT - border - client_height + y)) \
        click 1
}

# The text of the main window's text line, as a person copies it.
text_line() {
    local window="$1"
    client_width=241 click_client "$window" 120 60 157
    sleep 0.3
    keys "$window" ctrl+a ctrl+c
    sleep 0.3
    timeout 5 xclip -o -selection clipboard 2>/dev/null
}

start() {
    "$wine_run" --prefix "$prefix" --display "$@" >"$work/app.log" 2>&1 &
    app_pid=$!
}

mkdir -p "$shots"
rm -f "$shots"/*.png

Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
wait_for 100 test -s "$work/display" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"

# Wine draws the windows' frames and captions itself, as Windows does: there
# is no window manager on this display.
"$wine_run" --prefix "$prefix" --display reg add 'HKCU\Software\Wine\X11 Driver' \
    /v Decorated /d N /f >/dev/null 2>&1

# ---- 1. The program on Wine's services.
start "$program"
wait_for 900 has_window '^Tallowin$' || { fail "the main window did not appear"; exit 1; }
main="$(window_named '^Tallowin$')"
shoot "$main" windows-main-window
client_width=241
expected="    Error: Not implemented. (-2147467263) Error in Computer Name (Zin_GetComputerName) (from 3/22/2007)."
line="$(text_line "$main")"
[ "$line" = "$expected" ] || fail "text line: [$line], expected [$expected]"

# Enter presses "System Information": without a computer name, nothing shows.
keys "$main" Return
sleep 2
has_no_window '^System Information$' || fail "a report appeared without a computer name"
[ "$(xdotool search --onlyvisible --name '.' 2>/dev/null | wc -l)" -eq 1 ] ||
    fail "another window appeared"

# Alt+O presses OK, which ends the program.
keys "$main" alt+o
wait_for 100 program_ended || fail "the program did not end on Alt+O"
wait "$app_pid" 2>/dev/null

# ---- 2. The windows on a scripted machine with two addresses.
start "$preview" PC7 192.0.2.1 198.51.100.4
wait_for 300 has_window '^Tallowin$' || { fail "the scripted main window did not appear"; exit 1; }
main="$(window_named '^Tallowin$')"
shoot "$main" scripted-main-window
line="$(text_line "$main")"
[ "$line" = "192.0.2.1    PC7" ] || fail "scripted text line: [$line]"

# Show All, clicked: the list of every address.
client_width=241 click_client "$main" 116 120 157
if wait_for 100 has_window '^IP Addresses for PC7$'; then
    shoot "$(window_named '^IP Addresses for PC7$')" windows-ip-list-window
    keys "$(window_named '^IP Addresses for PC7$')" Escape
    wait_for 50 has_no_window '^IP Addresses for PC7$' || fail "Esc did not close the list"
else
    fail "Show All did not open the list"
fi

# System Information, clicked: the report; Enter presses its OK.
client_width=241 click_client "$main" 44 120 157
if wait_for 100 has_window '^System Information$'; then
    report="$(window_named '^System Information$')"
    shoot "$report" windows-report
    keys "$report" Return
    wait_for 50 has_no_window '^System Information$' || fail "Enter did not close the report"
else
    fail "System Information did not show the report"
fi

# A click on OK ends the program.
client_width=241 click_client "$main" 188 120 157
wait_for 100 program_ended || fail "the program did not end on OK"

echo "screenshots: $shots"
if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all checks passed"
