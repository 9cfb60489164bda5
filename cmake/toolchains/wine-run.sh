#!/usr/bin/env bash
# Runs a Windows program under 64-bit Wine in a prefix of its own, making the
# prefix first when it is not there yet (once, however many runs start at the
# same time). Wine's own messages are silenced.
#
#   wine-run.sh --prefix DIR [--display] PROGRAM.exe [ARGS...]
#   wine-run.sh --prefix DIR [--display] --init     (only makes the prefix)
#   wine-run.sh --prefix DIR --stop                 (ends the prefix's Wine)
#
# Which Wine: this machine's own, or the one installed in another root file
# system when TALLOWIN_WINE_ROOT names it (or --wine-root DIR, which wins);
# script/wine10-root makes such a root with Wine 10. A prefix belongs to one
# Wine, so another root's Wine gets its own beside DIR: DIR-NAME, NAME being
# the root's folder name (build/windows/wine/prefix-wine10).
#
# Without --display the program runs headless: Wine's null graphics driver
# stands in for X, so windows exist and take messages but nothing is drawn.
# With --display the program uses the X display in DISPLAY. A prefix is made
# for one of the two ways and must not be shared between them.
#
# The program's output reaches the caller when it has ended, with Wine's CR LF
# line ends as LF so that tools reading it (CTest's test listing) see plain
# lines, and output in UTF-16 (with its byte-order mark, as Wine's own tools
# such as wmic write to a file) as UTF-8. It goes through files, not pipes: Wine's background processes, which
# the program may start, would hold a pipe open long after it has ended.
set -uo pipefail

prefix=""
display=0
init=0
stop=0
wine_root="${TALLOWIN_WINE_ROOT:-}"
while [ $# -gt 0 ]; do
    case "$1" in
        --prefix) prefix="$2"; shift 2 ;;
        --wine-root) wine_root="$2"; shift 2 ;;
        --display) display=1; shift ;;
        --init) init=1; shift ;;
        --stop) stop=1; shift ;;
        *) break ;;
    esac
done
if [ -z "$prefix" ] || { [ $# -eq 0 ] && [ "$init" -eq 0 ] && [ "$stop" -eq 0 ]; }; then
    echo "usage: wine-run.sh [--wine-root DIR] --prefix DIR [--display]" \
        "{--init | --stop | PROGRAM [ARGS...]}" >&2
    exit 2
fi
prefix="$(realpath -m "$prefix")"

# inside: how a command reaches the chosen Wine's file system.
inside=()
if [ -n "$wine_root" ] && [ "$(realpath -m "$wine_root")" != / ]; then
    wine_root="$(realpath -m "$wine_root")"
    prefix="$prefix-$(basename "$wine_root")"
    loader=/usr/lib/wine/wine64
    if [ ! -x "$wine_root$loader" ]; then
        echo "wine-run.sh: $wine_root holds no 64-bit Wine ($loader)" >&2
        exit 2
    fi
    server=/usr/lib/wine/wineserver
    binds=(--bind "$(dirname "$prefix")")
    if [ $# -gt 0 ] && [[ "$1" == */* ]]; then binds+=(--bind "$(dirname "$(realpath -m "$1")")"); fi
    inside=("$(dirname "${BASH_SOURCE[0]}")/in-root.sh" "$wine_root" "${binds[@]}")
else
    loader=/usr/lib/wine/wine64
    [ -x "$loader" ] || loader="$(command -v wine64 || true)"
    if [ -z "$loader" ]; then
        echo "wine-run.sh: 64-bit Wine (Debian package wine64) is not installed" >&2
        exit 2
    fi
    server="$(dirname "$loader")/wineserver"
    [ -x "$server" ] || server="$(command -v wineserver)"
fi

export WINEPREFIX="$prefix"
export WINELOADER="$loader"
export WINESERVER="$server"
export WINEDEBUG=-all
# No .NET or HTML engine is needed; without these overrides Wine offers to
# download them while it makes the prefix. Wine's menu builder stays off, so
# that a shortcut made in the prefix (by the setup) writes nothing under the
# Linux home folder.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine takes the user's locale (the short date) from these; every run gets a
# United States English one (set on Wine's command line, since this machine
# need not have that locale for itself).
unset LC_ALL LC_TIME LC_MESSAGES LANGUAGE
wine=("${inside[@]}" env LANG=en_US.UTF-8 "$loader")
if [ "$display" -eq 0 ]; then
    unset DISPLAY WAYLAND_DISPLAY
fi

# Ends the prefix's server and every Wine process of the prefix with it, no
# other prefix's, and waits (ten seconds at most) until the server is gone
# from the process table.
if [ "$stop" -eq 1 ]; then
    [ -d "$prefix" ] || exit 0
    servers=()
    for pid in $(pgrep '^wineserver'); do
        if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$prefix"; then
            servers+=("$pid")
        fi
    done
    timeout 60 "${inside[@]}" "$server" -k >/dev/null 2>&1
    for _ in $(seq 100); do
        gone=1
        for pid in ${servers[@]+"${servers[@]}"}; do [ -e "/proc/$pid" ] && gone=0; done
        [ "$gone" -eq 1 ] && break
        sleep 0.1
    done
    exit 0
fi

ready="$prefix/.tallowin-ready"
if [ ! -e "$ready" ]; then
    mkdir -p "$(dirname "$prefix")"
    (
        flock -w 600 9 || exit 1
        if [ ! -e "$ready" ]; then
            rm -rf "$prefix"
            timeout 300 "${wine[@]}" wineboot -i >/dev/null 2>&1
            if [ "$display" -eq 0 ]; then
                timeout 120 "${wine[@]}" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f \
                    >/dev/null 2>&1
            fi
            # Let the server write the registry out before anyone uses it.
            timeout 120 "${inside[@]}" "$server" -w
            touch "$ready"
        fi
    ) 9>"$prefix.lock"
    if [ ! -e "$ready" ]; then
        echo "wine-run.sh: could not make the Wine prefix $prefix" >&2
        exit 2
    fi
fi

[ "$init" -eq 1 ] && exit 0

# The server (and Wine's own services with it) stays up for 30 seconds after
# the last program ends, so that a run of many short programs starts each
# one quickly. (The time must be joined to -p: a detached number is not read,
# and the server would stay forever.) A server already running keeps going
# as it is.
"${inside[@]}" "$server" -p30 >/dev/null 2>&1

output="$(mktemp "$(dirname "$prefix")/output.XXXXXX")"
errors="$(mktemp "$(dirname "$prefix")/errors.XXXXXX")"
trap 'rm -f "$output" "$errors"' EXIT
"${wine[@]}" "$@" </dev/null >"$output" 2>"$errors"
status=$?
# A failure that says nothing at all is Wine failing to start the program
# (seen now and then while its server starts up), not the program's answer:
# it gets one more try.
if [ "$status" -ne 0 ] && [ ! -s "$output" ] && [ ! -s "$errors" ]; then
    sleep 1
    "${wine[@]}" "$@" </dev/null >"$output" 2>"$errors"
    status=$?
fi
# Prints a file of the program's output as plain UTF-8 lines.
plain() {
    if [ "$(head -c 2 "$1" | od -An -tx1 | tr -d ' \n')" = fffe ]; then
        iconv -f UTF-16 -t UTF-8 "$1" | tr -d '\r'
    else
        tr -d '\r' <"$1"
    fi
}
plain "$output"
plain "$errors" >&2
exit "$status"
