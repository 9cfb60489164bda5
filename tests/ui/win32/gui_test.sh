#!/usr/bin/env bash
# Tallowin.exe under Wine on a private Xvfb server, driven as a person would
# with xdotool; what its windows show is read with desktop_probe.exe, and
# screenshots of them are saved for people to look at.
#
#   gui_test.sh TALLOWIN.EXE PREVIEW.EXE PROBE.EXE WINE-RUN.SH PREFIX SCREENSHOT-DIR
#
# 1. The program on the host's own services. The test asks the network
#    object for the computer name first, as the program will, and checks
#    what that answer requires:
#    - a name (the normal path): the text line holds the first address, four
#      blanks and the name; "Show All", shown for more than one address,
#      lists every address; the report's twelve lines hold what Wine's own
#      wmic answers; Esc closes the list, Enter the report, Alt+F4 ends the
#      program.
#    - a failure: the text line holds four blanks and the lookup's error
#      text, "Show All" is hidden and "System Information" shows nothing;
#      Alt+O ends the program.
# 2. The same windows on a scripted machine (PREVIEW.EXE) with two addresses:
#    "Show All", clicked, opens the list, Esc closes it; "System Information",
#    clicked, shows the report, Enter closes it; a click on OK ends the
#    program.
#
# Every wait has a time limit; at the end the test stops the Wine server of
# its prefix (and only that one) and its Xvfb.
set -uo pipefail

program="$1"
preview="$2"
probe_exe="$3"
wine_run="$4"
prefix="$5"
shots="$6"

# shellcheck source=../../shell/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../shell/lib.sh"

work="$(mktemp -d)"
app_pid=""
failures=0

cleanup() {
    stop_process "$app_pid"
    # Only this test uses this prefix: its Wine processes end with it.
    "$wine_run" --prefix "$prefix" --stop
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT

# A failed check: counted, and the test goes on.
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

window_named() { timeout 10 xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
has_window() { [ -n "$(window_named "$1")" ]; }
has_no_window() { [ -z "$(window_named "$1")" ]; }

# Types keys into a window. (xdotool complains that there is no window
# manager to ask for the focus; that is so.)
keys() {
    local window="$1"
    shift
    timeout 10 xdotool key --window "$window" "$@" 2>/dev/null
}

# Saves a picture of one window.
shoot() {
    local window="$1" name="$2"
    sleep 0.5  # let it paint
    timeout 20 import -window "$window" "$shots/$name.png" 2>/dev/null || fail "no screenshot $name"
}

# Clicks a point of a window's client area, given in pixels at 96 DPI. Wine
# draws the frame itself here: equal borders left, right and below.
click_client() {
    local window="$1" x="$2" y="$3" client_height="$4"
    local WIDTH HEIGHT X Y SCREEN WINDOW
    eval "$(timeout 10 xdotool getwindowgeometry --shell "$window")"
    local border=$(((WIDTH - client_width) / 2))
    timeout 10 xdotool mousemove --window "$window" $((border + x)) \
        $((HEIGHT - border - client_height + y)) click 1
}

# Runs a Windows program in the test's prefix, on the display, for at most a
# minute.
in_wine() { timeout 60 "$wine_run" --prefix "$prefix" --display "$@"; }

# The text of the Nth (default 1st) visible control of class CLASS in the
# window with caption CAPTION, as the window holds it.
control_text() {
    local caption="$1" class="$2" n="${3:-1}" line
    line="$(in_wine "$probe_exe" texts "$caption" |
        awk -F'\t' -v c="$class" -v n="$n" '$1 == c && ++k == n { sub(/^[^\t]*\t/, ""); print; exit }')"
    printf '%b' "$line"
}
has_control() {  # caption class text
    in_wine "$probe_exe" texts "$1" | grep -qxF "$2	$3"
}

# What a screen reader reads of a window, against the design: a row a line,
# skipped where Wine's accessibility gives no answer.
check_accessible() {  # caption
    in_wine "$probe_exe" accessible "$1" | sed "s/^/accessible: /"
    [ "${PIPESTATUS[0]}" -eq 0 ] || fail "what a screen reader reads of $1 (above)"
}

# One column of the first row of wmic's table: columns start where their
# names start in the heading line.
wmic_value() {  # file column
    awk -v column="$2" '
        NR == 1 {
            start = index(" " $0 " ", " " column " ")
            rest = substr($0, start + length(column))
            width = match(rest, /[^ ]/) ? length(column) + RSTART - 1 : 0
            next
        }
        NF > 0 {
            value = width ? substr($0, start, width) : substr($0, start)
            sub(/ +$/, "", value)
            print value
            exit
        }' "$1"
}

# Every address of the IP-enabled adapters in wmic's answer, one a line, in
# WMI's order.
wmic_addresses() {  # file
    awk '
        NR == 1 { enabled = index($0, "IPEnabled"); next }
        NF > 0 && substr($0, enabled) ~ /^ *(TRUE|-1) *$/ {
            list = substr($0, 1, enabled - 1)
            while (match(list, /"[^"]*"/)) {
                print substr(list, RSTART + 1, RLENGTH - 2)
                list = substr(list, RSTART + RLENGTH)
            }
        }' "$1"
}

start() {
    "$wine_run" --prefix "$prefix" --display "$@" >"$work/app.log" 2>&1 &
    app_pid=$!
}

# Waits (a limited time) for the program to end; it is killed if it does not.
expect_end() {  # what should have ended it
    if wait_ended "$app_pid" 100; then
        wait "$app_pid" 2>/dev/null
    else
        fail "the program did not end on $1"
        kill "$app_pid" 2>/dev/null
    fi
}

mkdir -p "$shots"
rm -f "$shots"/*.png

start_xvfb "$work"

# Wine draws the windows' frames and captions itself, as Windows does: there
# is no window manager on this display.
in_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1

# ---- 1. The program on the host's services.
read -r kind answer <<<"$(in_wine "$probe_exe" network ComputerName)"
start "$program"
wait_for 900 has_window '^Tallowin$' || fatal "the main window did not appear"
main="$(window_named '^Tallowin$')"
client_width=241

if [ "$kind" = value ]; then
    name="$answer"
    echo "the network object answers the computer name $name: the normal path"
    read -r _ domain <<<"$(in_wine "$probe_exe" network UserDomain)"
    in_wine wmic nicconfig get IPAddress,IPEnabled >"$work/adapters"
    in_wine wmic computersystem get Name,Manufacturer,Model >"$work/computer"
    in_wine wmic bios get SerialNumber >"$work/bios"
    in_wine wmic os get Caption,ServicePackMajorVersion,ServicePackMinorVersion >"$work/os"
    mapfile -t addresses < <(wmic_addresses "$work/adapters")
    [ "${#addresses[@]}" -gt 0 ] || fail "wmic lists no address: $(cat "$work/adapters")"
    [ "$(wmic_value "$work/computer" Name)" = "$name" ] ||
        fail "wmic names the computer [$(wmic_value "$work/computer" Name)], the network object [$name]"

    shoot "$main" windows-main-window-normal
    check_accessible Tallowin
    line="$(control_text Tallowin Edit)"
    [ "$line" = "${addresses[0]}    $name" ] ||
        fail "text line: [$line], expected [${addresses[0]}    $name]"

    list_caption="IP Addresses for $name"
    if [ "${#addresses[@]}" -gt 1 ]; then
        has_control Tallowin Button "Show All" || fail "no Show All for ${#addresses[@]} addresses"
        client_width=241 click_client "$main" 116 120 157
        if wait_for 100 has_window "^$list_caption\$"; then
            list_window="$(window_named "^$list_caption\$")"
            shoot "$list_window" windows-ip-list-window-normal
            check_accessible "$list_caption"
            expected="${addresses[0]}"
            for address in "${addresses[@]:1}"; do expected+=$'\r\n'"$address"; done
            list="$(control_text "$list_caption" Edit)"
            [ "$list" = "$expected" ] || fail "list: [$list], expected [$expected]"
            keys "$list_window" Escape
            wait_for 50 has_no_window "^$list_caption\$" || fail "Esc did not close the list"
        else
            fail "Show All did not open the list"
        fi
    else
        has_control Tallowin Button "Show All" && fail "Show All for one address"
    fi

    # Enter presses "System Information": the report.
    keys "$main" Return
    if wait_for 150 has_window '^System Information$'; then
        report_window="$(window_named '^System Information$')"
        shoot "$report_window" windows-report-normal
        report=""
        for n in 1 2 3; do
            text="$(control_text 'System Information' Static "$n")"
            [[ "$text" == "Computer Information"* ]] && report="$text"
        done
        expected="Computer Information

System Manufacture:  $(wmic_value "$work/computer" Manufacturer)
System Model:  $(wmic_value "$work/computer" Model)
System Name:  $(wmic_value "$work/computer" Name)
Domain Name:  $domain
Serial Number:  $(wmic_value "$work/bios" SerialNumber)
OS Version:  $(wmic_value "$work/os" Caption)
Service Pack:  $(wmic_value "$work/os" ServicePackMajorVersion).$(wmic_value "$work/os" ServicePackMinorVersion)
IP Address:  ${addresses[0]}
"
        mapfile -t got < <(tr -d '\r' <<<"$report")
        mapfile -t want < <(printf '%s' "$expected")
        [ "${#got[@]}" -eq 12 ] || fail "the report has ${#got[@]} lines, not 12: [$report]"
        for i in "${!want[@]}"; do
            [ "${got[i]-}" = "${want[i]}" ] || fail "report line $((i + 1)): [${got[i]-}], expected [${want[i]}]"
        done
        [[ "${got[11]-}" =~ ^System\ Uptime:\ \ [0-9]+\ [a-z]+(,\ [0-9]+\ [a-z]+)*$ ]] ||
            fail "report line 12: [${got[11]-}]"
        keys "$report_window" Return
        wait_for 50 has_no_window '^System Information$' || fail "Enter did not close the report"
    else
        fail "System Information did not show the report"
    fi

    # Alt+F4 closes the main window, which ends the program.
    keys "$main" alt+F4
    expect_end Alt+F4
else
    echo "the network object fails the computer name ($answer): the failure path"
    number="${answer%% *}"
    description="${answer#* }"
    shoot "$main" windows-main-window
    check_accessible Tallowin
    expected="    Error: $description ($number) Error in Computer Name (Zin_GetComputerName) (from 3/22/2007)."
    line="$(control_text Tallowin Edit)"
    [ "$line" = "$expected" ] || fail "text line: [$line], expected [$expected]"
    has_control Tallowin Button "Show All" && fail "Show All without a computer name"

    # Enter presses "System Information": without a computer name, nothing shows.
    keys "$main" Return
    sleep 2
    has_no_window '^System Information$' || fail "a report appeared without a computer name"
    [ "$(timeout 10 xdotool search --onlyvisible --name '.' 2>/dev/null | wc -l)" -eq 1 ] ||
        fail "another window appeared"

    # Alt+O presses OK, which ends the program.
    keys "$main" alt+o
    expect_end Alt+O
fi

# ---- 2. The windows on a scripted machine with two addresses.
start "$preview" PC7 192.0.2.1 198.51.100.4
wait_for 300 has_window '^Tallowin$' || fatal "the scripted main window did not appear"
main="$(window_named '^Tallowin$')"
shoot "$main" scripted-main-window
check_accessible Tallowin
line="$(control_text Tallowin Edit)"
[ "$line" = "192.0.2.1    PC7" ] || fail "scripted text line: [$line]"

# Show All, clicked: the list of every address.
client_width=241 click_client "$main" 116 120 157
if wait_for 100 has_window '^IP Addresses for PC7$'; then
    shoot "$(window_named '^IP Addresses for PC7$')" windows-ip-list-window
    check_accessible 'IP Addresses for PC7'
    list="$(control_text 'IP Addresses for PC7' Edit)"
    [ "$list" = $'192.0.2.1\r\n198.51.100.4' ] || fail "scripted list: [$list]"
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
expect_end "a click on OK"

echo "screenshots: $shots"
if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all checks passed"
