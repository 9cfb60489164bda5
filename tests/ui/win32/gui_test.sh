#!/usr/bin/env bash
# Tallowin.exe under Wine on a private Xvfb server, driven as a person would
# with xdotool; what its windows show is read with desktop_probe.exe, and
# screenshots of them are saved for people to look at.
#
#   gui_test.sh TALLOWIN.EXE PREVIEW.EXE PROBE.EXE WINE-RUN.SH PREFIX SCREENSHOT-DIR FACTS.EXE
#
# (FACTS.EXE: tests/ui/window_facts, for the captions, the places to click,
# the text line's and the report's layout.)
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
facts_exe="$7"

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

# Clicks the centre of a control (FORM "main" or "list", the control's
# name), at its designed place in pixels at 96 DPI. Wine draws the frame
# itself here: equal borders left, right and below.
click_control() {
    local window="$1" form="$2" name="$3" size centre
    local WIDTH HEIGHT X Y SCREEN WINDOW
    read -r -a size <<<"$(window_fact "$form.size")"
    read -r -a centre <<<"$(window_fact "$form.centre.$name")"
    eval "$(timeout 10 xdotool getwindowgeometry --shell "$window")"
    local border=$(((WIDTH - size[0]) / 2))
    timeout 10 xdotool mousemove --window "$window" $((border + centre[0])) \
        $((HEIGHT - border - size[1] + centre[1])) click 1
}

# A text the program composes, for a computer NAME and a first ADDRESS.
composed() {  # template name [address]
    local text="${1//\{name\}/$2}"
    printf '%s' "${text//\{address\}/${3-}}"
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
load_window_facts in_wine "$facts_exe" || fatal "no window facts"
main_caption="$(window_fact main.caption)"
list_template="$(window_fact list.caption)"
report_title="$(window_fact report.title)"
show_all="$(window_fact main.caption.cmdShowAll)"

# Wine draws the windows' frames and captions itself, as Windows does: there
# is no window manager on this display.
in_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1

# ---- 1. The program on the host's services.
read -r kind answer <<<"$(in_wine "$probe_exe" network ComputerName)"
start "$program"
wait_for 900 has_window "^$main_caption\$" || fatal "the main window did not appear"
main="$(window_named "^$main_caption\$")"

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
    check_accessible "$main_caption"
    line="$(control_text "$main_caption" Edit)"
    expected="$(composed "$(window_fact main.text)" "$name" "${addresses[0]}")"
    [ "$line" = "$expected" ] || fail "text line: [$line], expected [$expected]"

    list_caption="$(composed "$list_template" "$name")"
    if [ "${#addresses[@]}" -gt 1 ]; then
        has_control "$main_caption" Button "$show_all" ||
            fail "no $show_all for ${#addresses[@]} addresses"
        click_control "$main" main cmdShowAll
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
        has_control "$main_caption" Button "$show_all" && fail "$show_all for one address"
    fi

    # Enter presses the default button, "System Information": the report.
    keys "$main" Return
    if wait_for 150 has_window "^$report_title\$"; then
        report_window="$(window_named "^$report_title\$")"
        shoot "$report_window" windows-report-normal
        mapfile -t want < <(window_facts_of report.line)
        report=""
        for n in 1 2 3; do
            text="$(control_text "$report_title" Static "$n")"
            [[ "$text" == "${want[0]}"* ]] && report="$text"
        done
        # Each fact's line: its label, then what wmic and the network object
        # answer; the uptime, which moves on, by its form.
        declare -A due=(
            [manufacturer]="$(wmic_value "$work/computer" Manufacturer)"
            [model]="$(wmic_value "$work/computer" Model)"
            [systemName]="$(wmic_value "$work/computer" Name)"
            [domain]="$domain"
            [serialNumber]="$(wmic_value "$work/bios" SerialNumber)"
            [operatingSystem]="$(wmic_value "$work/os" Caption)"
            [servicePack]="$(wmic_value "$work/os" ServicePackMajorVersion).$(wmic_value "$work/os" ServicePackMinorVersion)"
            [ipAddress]="${addresses[0]}")
        for fact in "${!due[@]}"; do
            want[$(($(window_fact "report.number.$fact") - 1))]="$(window_fact "report.label.$fact")${due[$fact]}"
        done
        uptime=$(($(window_fact report.number.uptime) - 1))
        uptime_label="$(window_fact report.label.uptime)"
        mapfile -t got < <(tr -d '\r' <<<"$report")
        [ "${#got[@]}" -eq "${#want[@]}" ] ||
            fail "the report has ${#got[@]} lines, not ${#want[@]}: [$report]"
        for i in "${!want[@]}"; do
            [ "$i" -eq "$uptime" ] && continue
            [ "${got[i]-}" = "${want[i]}" ] || fail "report line $((i + 1)): [${got[i]-}], expected [${want[i]}]"
        done
        [[ "${got[uptime]-}" == "$uptime_label"* &&
            "${got[uptime]#"$uptime_label"}" =~ ^[0-9]+\ [a-z]+(,\ [0-9]+\ [a-z]+)*$ ]] ||
            fail "report line $((uptime + 1)): [${got[uptime]-}]"
        keys "$report_window" Return
        wait_for 50 has_no_window "^$report_title\$" || fail "Enter did not close the report"
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
    check_accessible "$main_caption"
    expected="$(composed "$(window_fact main.text)" \
        "Error: $description ($number) Error in Computer Name (Zin_GetComputerName) (from 3/22/2007)." "")"
    line="$(control_text "$main_caption" Edit)"
    [ "$line" = "$expected" ] || fail "text line: [$line], expected [$expected]"
    has_control "$main_caption" Button "$show_all" && fail "$show_all without a computer name"

    # Enter presses "System Information": without a computer name, nothing shows.
    keys "$main" Return
    sleep 2
    has_no_window "^$report_title\$" || fail "a report appeared without a computer name"
    [ "$(timeout 10 xdotool search --onlyvisible --name '.' 2>/dev/null | wc -l)" -eq 1 ] ||
        fail "another window appeared"

    # Alt+O presses OK, which ends the program.
    keys "$main" alt+o
    expect_end Alt+O
fi

# ---- 2. The windows on a scripted machine with two addresses.
start "$preview" PC7 192.0.2.1 198.51.100.4
wait_for 300 has_window "^$main_caption\$" || fatal "the scripted main window did not appear"
main="$(window_named "^$main_caption\$")"
shoot "$main" scripted-main-window
check_accessible "$main_caption"
line="$(control_text "$main_caption" Edit)"
[ "$line" = "$(composed "$(window_fact main.text)" PC7 192.0.2.1)" ] ||
    fail "scripted text line: [$line]"

# Show All, clicked: the list of every address.
click_control "$main" main cmdShowAll
list_caption="$(composed "$list_template" PC7)"
if wait_for 100 has_window "^$list_caption\$"; then
    shoot "$(window_named "^$list_caption\$")" windows-ip-list-window
    check_accessible "$list_caption"
    list="$(control_text "$list_caption" Edit)"
    [ "$list" = $'192.0.2.1\r\n198.51.100.4' ] || fail "scripted list: [$list]"
    keys "$(window_named "^$list_caption\$")" Escape
    wait_for 50 has_no_window "^$list_caption\$" || fail "Esc did not close the list"
else
    fail "$show_all did not open the list"
fi

# System Information, clicked: the report; Enter presses its OK.
click_control "$main" main cmdSysInfo
if wait_for 100 has_window "^$report_title\$"; then
    report="$(window_named "^$report_title\$")"
    shoot "$report" windows-report
    keys "$report" Return
    wait_for 50 has_no_window "^$report_title\$" || fail "Enter did not close the report"
else
    fail "System Information did not show the report"
fi

# A click on OK ends the program.
click_control "$main" main cmdOK
expect_end "a click on OK"

echo "screenshots: $shots"
if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all checks passed"
