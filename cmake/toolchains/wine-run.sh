#!/usr/bin/env bash
# Runs a Windows program under 64-bit Wine in a prefix of its own, making the
# prefix first when it is not there yet (once, however many runs start at the
# same time). Wine's own messages are silenced.
#
#   wine-run.sh --prefix DIR [--display] PROGRAM.exe [ARGS...]
#   wine-run.sh --prefix DIR [--display] --init     (only makes the prefix)
#
# Without --display the program runs headless: Wine's null graphics driver
# stands in for X, so windows exist and take messages but nothing is drawn.
# With --display the program uses the X display in DISPLAY. A prefix is made
# for one of the two ways and must not be shared between them.
#
# The program's output reaches the caller when it has ended, with Wine's CR LF
# line ends as LF so that tools reading it (CTest's test listing) see plain
# lines. It goes through files, not pipes: Wine's background processes, which
# the program may start, would hold a pipe open long after it has ended.
set -uo pipefail

prefix=""
display=0
init=0
while [ $# -gt 0 ]; do
    case "$1" in
        --prefix) prefix="$2"; shift 2 ;;
        --display) display=1; shift ;;
        --init) init=1; shift ;;
        *) break ;;
    esac
done
if [ -z "$prefix" ] || { [ $# -eq 0 ] && [ "$init" -eq 0 ]; }; then
    echo "usage: wine-run.sh --prefix DIR [--display] {--init | PROGRAM [ARGS...]}" >&2
    exit 2
fi

loader=/usr/lib/wine/wine64
[ -x "$loader" ] || loader="$(command -v wine64 || true)"
if [ -z "$loader" ]; then
    echo "wine-run.sh: 64-bit Wine (Debian package wine64) is not installed" >&2
    exit 2
fi
server="$(dirname "$loader")/wineserver"
[ -x "$server" ] || server="$(command -v wineserver)"

export WINEPREFIX="$prefix"
export WINELOADER="$loader"
export WINESERVER="$server"
export WINEDEBUG=-all
# No .NET or HTML engine is needed; without these overrides Wine offers to
# download them while it makes the prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine takes the user's locale (the short date) from these; every run gets a
# United States English one (set on Wine's command line, since this machine
# need not have that locale for itself).
unset LC_ALL LC_TIME LC_MESSAGES LANGUAGE
wine_locale=(env LANG=en_US.UTF-8)
if [ "$display" -eq 0 ]; then
    unset DISPLAY WAYLAND_DISPLAY
fi

ready="$prefix/.tallowin-ready"
if [ ! -e "$ready" ]; then
    mkdir -p "$(dirname "$prefix")"
    (
        flock 9
        if [ ! -e "$ready" ]; then
            rm -rf "$prefix"
            "${wine_locale[@]}" "$loader" wineboot -i >/dev/null 2>&1
            if [ "$display" -eq 0 ]; then
                "${wine_locale[@]}" "$loader" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f \
                    >/dev/null 2>&1
            fi
            # Let the server write the registry out before anyone uses it.
            "$server" -w
            touch "$ready"
        fi
    ) 9>"$prefix.lock"
    if [ ! -e "$ready" ]; then
        echo "wine-run.sh: could not make the Wine prefix $prefix" >&2
        exit 2
    fi
fi

[ "$init" -eq 1 ] && exit 0

# The server (and Wine's own services with it) stays up for a while after
# the last program ends, so that a run of many short programs starts each
# one quickly. A server already running keeps going as it is.
"$server" -p 30 >/dev/null 2>&1

output="$(mktemp "$(dirname "$prefix")/output.XXXXXX")"
errors="$(mktemp "$(dirname "$prefix")/errors.XXXXXX")"
trap 'rm -f "$output" "$errors"' EXIT
"${wine_locale[@]}" "$loader" "$@" </dev/null >"$output" 2>"$errors"
status=$?
# A failure that says nothing at all is Wine failing to start the program
# (seen now and then while its server starts up), not the program's answer:
# it gets one more try.
if [ "$status" -ne 0 ] && [ ! -s "$output" ] && [ ! -s "$errors" ]; then
    sleep 1
    "${wine_locale[@]}" "$loader" "$@" </dev/null >"$output" 2>"$errors"
    status=$?
fi
tr -d '\r' <"$output"
tr -d '\r' <"$errors" >&2
exit "$status"
