#!/usr/bin/env bash
# The Windows setup's round trip under Wine, in a prefix made afresh, as a
# help desk would deploy it: a silent install (per user, or for all users
# with /AllUsers), its files, its Start menu shortcut and its Add/Remove
# Programs entry value for value; the installed program's main window; a
# later version (the fourth field one higher) over it, in place, closing the
# running program; this version refused over the later one; the entry's
# quiet uninstall; and the profile and the registry as they were before,
# in everything of ours. The Wine is wine-run.sh's (TALLOWIN_WINE_ROOT).
#
# Usage: windows_setup.sh user|all MAKENSIS DEFINES SETUP.exe PROBE.exe WORKDIR
#   DEFINES: the file of makensis options the build made the setup with
#   (one a line), naming setup_facts.nsh, whose facts are the oracles here.
set -euo pipefail
[ $# -eq 6 ] || { echo "usage: $0 user|all MAKENSIS DEFINES SETUP PROBE WORKDIR" >&2; exit 2; }
mode="$1" makensis="$2" defines_file="$3" setup="$4" probe="$5" work="$(realpath -m "$6")"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../shell/lib.sh"
wine_run="$here/../../cmake/toolchains/wine-run.sh"

mapfile -t defines <"$defines_file"
facts="$(sed -n 's/^-DFACTS=//p' "$defines_file")"
nsi="$here/../../packaging/windows/setup.nsi"
fact() { sed -n "s/^!define \/ifndef $1 \"\(.*\)\"$/\1/p" "$facts"; }
code() { sed -n "s/^!define $1 \([0-9]*\)$/\1/p" "$nsi"; }
name="$(fact NAME)" version="$(fact VERSION)"

# A prefix of this mode and this Wine, made afresh.
prefix="$work/setup-$mode"
wine_suffix="${TALLOWIN_WINE_ROOT:+-$(basename "$TALLOWIN_WINE_ROOT")}"
rm -rf "$prefix$wine_suffix" "$work/setup-$mode.files"
mkdir -p "$work/setup-$mode.files"
files="$work/setup-$mode.files"
program_pid=""
cleanup() {
    stop_process "$program_pid"
    "$wine_run" --prefix "$prefix" --stop
}
trap cleanup EXIT
wine() { "$wine_run" --prefix "$prefix" "$@"; }
wine --init
unix_path() { wine winepath -u "$1"; }
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

options=()
if [ "$mode" = all ]; then
    options=(/AllUsers)
    root=HKLM folder="$(wine cmd /c echo '%ProgramFiles%')\\$name"
    menu="$(wine cmd /c echo '%ProgramData%')\\Microsoft\\Windows\\Start Menu\\Programs"
else
    root=HKCU folder="$(wine cmd /c echo '%LOCALAPPDATA%')\\Programs\\$name"
    menu="$(wine cmd /c echo '%APPDATA%')\\Microsoft\\Windows\\Start Menu\\Programs"
fi
entry="$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$name"

# What of ours the prefix holds: its files (but the temporary folders, where
# the uninstaller runs a copy of itself that Windows removes at the next
# start) and the registry, each line that names the program.
snapshot() {
    {
        find "$prefix$wine_suffix/drive_c" -path '*/Temp' -prune -o -path '*/windows' -prune -o -print |
            sed "s|^$prefix$wine_suffix||"
        for hive in HKCU HKLM; do
            wine reg export "$hive" "$(windows_path "$files/$hive.reg")" /y >/dev/null
            iconv -f UTF-16 -t UTF-8 "$files/$hive.reg" | tr -d '\r'
        done
    } | grep -i -e "$name" -e 'Uninstall\.exe' | sort || true
}
snapshot >"$files/before"

# Runs a setup (silently) and checks its exit code, as Windows gives it
# (Wine hands Linux the low byte).
install() {
    local expected="$1" status=0
    shift
    wine "$@" /S "${options[@]}" || status=$?
    [ "$status" -eq $((expected % 256)) ] ||
        fail "$(basename "$1") ${options[*]} ended with $status, not $expected"
}

# The entry, value for value (NAME TYPE VALUE), and no other of the name.
check_entry() {
    local size mode_option="${options[*]:+ ${options[*]}}"
    size="$(du -bc "$(unix_path "$folder")"/* | tail -1 | cut -f1)"
    diff -u <(sort <<EOF
DisplayIcon REG_SZ $folder\\$name.exe,0
DisplayName REG_SZ $name
DisplayVersion REG_SZ $1
EstimatedSize REG_DWORD $(printf '0x%x' $((size / 1024)))
InstallLocation REG_SZ $folder
NoModify REG_DWORD 0x1
NoRepair REG_DWORD 0x1
Publisher REG_SZ $(fact COMPANY)
QuietUninstallString REG_SZ "$folder\\Uninstall.exe"$mode_option /S
URLInfoAbout REG_SZ $(fact HOMEPAGE)
UninstallString REG_SZ "$folder\\Uninstall.exe"$mode_option
EOF
    ) <(wine reg query "$entry" | sed -n 's/^    \([A-Za-z]*\)    \([A-Z_]*\)    /\1 \2 /p' | sort) ||
        fail "the entry $entry is not as above (- expected, + found)"
    local entries="${entry%\\*}"
    [ "$(for hive in HKCU HKLM; do wine reg query "${entries/#HK??/$hive}" || true; done |
        grep -ci "Uninstall\\\\$name\$")" -eq 1 ] || fail "there is not exactly one entry for $name"
}

# The files, and the shortcut's target, working folder and icon (the shell
# link format: a header, the target's id list, the link info with the local
# path, then counted UTF-16 strings as the flags say; Wine counts the end mark).
check_files() {
    diff -u <(printf '%s\n' "$name.exe" LICENSE.txt Uninstall.exe | sort) \
        <(ls "$(unix_path "$folder")" | sort) || fail "the install folder holds other files"
    python3 - "$(unix_path "$menu\\$name.lnk")" "$folder\\$name.exe" "$folder" <<'EOF' ||
import struct, sys
data = open(sys.argv[1], "rb").read()
flags, at, strings = struct.unpack_from("<I", data, 0x14)[0], 0x4C, []
at += 2 + struct.unpack_from("<H", data, at)[0] if flags & 0x1 else 0
info = data[at:at + struct.unpack_from("<I", data, at)[0]]
target, at = info[struct.unpack_from("<I", info, 16)[0]:].split(b"\0")[0].decode("latin-1"), at + len(info)
for bit in (0x4, 0x8, 0x10, 0x20, 0x40):  # name, relative path, folder, arguments, icon
    count = struct.unpack_from("<H", data, at)[0] if flags & bit else 0
    strings.append(data[at + 2:at + 2 + 2 * count].decode("utf-16-le").rstrip("\0"))
    at += 2 + 2 * count if flags & bit else 0
found = (target, strings[2], strings[4], struct.unpack_from("<i", data, 0x38)[0])
if found != (sys.argv[2], sys.argv[3], sys.argv[2], 0):
    sys.exit(f"the shortcut's target, folder, icon and icon index are {found}")
EOF
        fail "the Start menu shortcut $menu\\$name.lnk is not as made"
}

# Starts the installed program and waits for its main window.
start_installed() {
    wine "$folder\\$name.exe" >/dev/null 2>&1 &
    program_pid=$!
    wait_for 300 wine "$probe" texts "$name" >/dev/null ||
        fail "the installed program showed no window captioned $name"
}

install 0 "$setup"
check_files
check_entry "$version"
start_installed

# A later version over it: in place, the running program closed first.
later="${version%.*}.$((${version##*.} + 1))"
"$makensis" -V1 -WX "${defines[@]}" "-DVERSION=$later" "-DOUTFILE=$files/later-setup.exe" "$nsi" ||
    fail "makensis could not make a setup of $later"
install 0 "$files/later-setup.exe"
wait_ended "$program_pid" 100 || fail "the later setup did not close the running program"
program_pid=""
check_files
check_entry "$later"

# This version over the later one: refused, nothing changed.
install "$(code EXIT_OTHER_VERSION)" "$setup"
check_entry "$later"

# The quiet uninstall, as the entry gives it, with the program running; the
# uninstaller goes on from its copy after the command returns.
start_installed
quiet="$(wine reg query "$entry" /v QuietUninstallString | sed -n 's/^ *QuietUninstallString *REG_SZ *//p')"
uninstaller="${quiet#\"}" uninstaller="${uninstaller%%\"*}"
read -ra arguments <<<"${quiet#\""$uninstaller"\"}"
wine "$uninstaller" "${arguments[@]}" || fail "$quiet failed"
gone() { ! wine reg query "$entry" >/dev/null 2>&1 && [ ! -e "$(unix_path "$folder")" ]; }
wait_for 300 gone || fail "the uninstall left the entry or $folder"
wait_ended "$program_pid" 100 || fail "the uninstall did not close the running program"
program_pid=""
snapshot >"$files/after"
diff -u "$files/before" "$files/after" || fail "the uninstall left the above of ours (+) in the prefix"
echo "windows_setup: $mode: installed, upgraded to $later, refused $version over it, removed"
