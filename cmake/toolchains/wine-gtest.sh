#!/usr/bin/env bash
# Runs the Windows test programs for CTest under Wine through wine-run.sh,
# starting Wine once per test program in a CTest run instead of once per test
# case, and still reports every case to CTest as a test of its own.
#
#   wine-gtest.sh --prefix DIR PROGRAM.exe --gtest_filter=NAME [ARGS...]
#   wine-gtest.sh --prefix DIR ...          (anything else: wine-run.sh's)
#
# CTest starts each GoogleTest case as PROGRAM.exe --gtest_filter=NAME. The
# first case of a program to start runs the whole program once (no filter)
# and keeps its output in gtest-runs beside the prefix, one file per program,
# Wine prefix and Wine root, and CTest run (CTest, the parent of every test,
# tells the runs apart); cases that start meanwhile wait for that run instead
# of making their own. Each case then prints its own part of that output,
# from "[ RUN      ] NAME" to the line that ends it, and exits 0 when it
# passed or was skipped (the "[  SKIPPED ]" line tells CTest so), 1 when it
# failed. A case the program crashed or hung in fails with the rest of the
# output; a case the program never came to fails naming the case it ended
# in. A run that outlasts TALLOWIN_WINE_RUN_LIMIT seconds (100 by default,
# under the 120 s that CTest gives each case) is stopped, and reported the
# same way.
#
# Listing the cases, a command without --gtest_filter= and any command not
# started by CTest go straight to wine-run.sh, as does every command when
# TALLOWIN_WINE_EACH_CASE=1: then each case runs in a Wine of its own, as
# when chasing a case that changes what a later one finds, or repeating a
# case with ctest --repeat.
set -uo pipefail

run="${BASH_SOURCE[0]%/*}/wine-run.sh"
if [ "${1:-}" != --prefix ] || [ $# -lt 3 ]; then exec "$run" "$@"; fi
prefix="$2"
program="$3"

# The case asked for, and the whole run's arguments: the others, except that
# disabled cases stay out of it as CTest leaves them out.
name=""
args=()
for arg in "${@:4}"; do
    case "$arg" in
        --gtest_filter=*) name="${arg#--gtest_filter=}" ;;
        --gtest_also_run_disabled_tests) ;;
        *) args+=("$arg") ;;
    esac
done
parent=""
{ read -r parent <"/proc/$PPID/comm"; } 2>/dev/null
# A filter with a pattern in it names more than one case; a case's own name
# has none of these characters.
if [[ "$program" != *.exe ]] || [ -z "$name" ] || [[ "$name" == *[*?:-]* ]] ||
    [ "${TALLOWIN_WINE_EACH_CASE:-}" = 1 ] || [ "$parent" != ctest ]; then
    exec "$run" "$@"
fi

# (CTest names the program and the prefix by their full paths.)
runs="${prefix%/*}/gtest-runs"
[ -d "$runs" ] || mkdir -p "$runs"
read -r where _ < <(printf '%s\n' "$program" "$prefix" "${TALLOWIN_WINE_ROOT:-}" | cksum)
# PID-WHERE-PROGRAM: .out holds the whole run's output (its standard error
# after its standard output, as wine-run.sh prints them); .ended says how the
# run ended, "STATUS" or "STATUS stopped", and is there once it has.
program_name="${program##*/}"
run_file="$runs/$PPID-$where-${program_name%.exe}"
limit="${TALLOWIN_WINE_RUN_LIMIT:-100}"

(
    flock 9
    # .out without .ended: the run was cut short from outside (CTest's time
    # limit on the case that made it); it is not made again.
    [ -e "$run_file.out" ] && exit 0
    # Files of CTest runs that have ended.
    for file in "$runs"/*; do
        owner="${file##*/}"
        [ -d "/proc/${owner%%-*}" ] || rm -f "$file"
    done
    "$run" --prefix "$prefix" "$program" ${args[@]+"${args[@]}"} >"$run_file.out" 2>&1 9>&- &
    pid=$!
    deadline=$((SECONDS + limit))
    while kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.1; done
    stopped=""
    # wine-run.sh prints what the program wrote once the program has ended:
    # so the program (its child) is ended, not wine-run.sh.
    while kill -0 "$pid" 2>/dev/null; do
        stopped=" stopped"
        pkill -KILL -P "$pid"
        sleep 0.5
    done
    wait "$pid"
    echo "$?$stopped" >"$run_file.ended"
) 9>"$run_file.lock"

if [ ! -e "$run_file.ended" ]; then
    echo "wine-gtest.sh: $name did not run: the program's run was cut short" \
        "(by CTest's time limit on the case that started it)" >&2
    exit 1
fi
read -r status stopped <"$run_file.ended"
how="ended with status $status"
[ -n "$stopped" ] && how="was stopped after $limit s"

# The case's lines; the exit status says how it ended: 0 passed or skipped,
# 1 failed, 3 never ended, 4 never started.
awk -v name="$name" '
    function ends(tag) { return index($0, tag name " ") == 1 || index($0, tag name ",") == 1 }
    BEGIN { result = 4 }
    $0 == "[ RUN      ] " name { result = 3 }
    result == 4 { next }
    { print }
    ends("[       OK ] ") || ends("[  SKIPPED ] ") { result = 0; exit }
    ends("[  FAILED  ] ") { result = 1; exit }
    END { exit result }
' "$run_file.out"
result=$?

case "$result" in
    0)
        [ "$status" = 0 ] && exit 0
        # The program failed, yet no case failed and none was cut short: it
        # failed outside its cases (at its exit, say), which each case run
        # alone would have shown.
        last="$(grep -E '^\[ +(RUN|OK|FAILED|SKIPPED) +\] ' "$run_file.out" | tail -n 1)"
        if [[ "$last" != "[ RUN "* ]] && ! grep -q '^\[  FAILED  \] ' "$run_file.out"; then
            echo "wine-gtest.sh: the program $how outside its cases" >&2
            exit 1
        fi
        exit 0
        ;;
    1) exit 1 ;;
    3) echo "wine-gtest.sh: $name did not end: the program $how in it" >&2 ;;
    *)
        if grep -q '^\[==========\] .* ran\.' "$run_file.out"; then
            echo "wine-gtest.sh: $name did not run: the program ran to its end without it" >&2
        else
            last="$(sed -n 's/^\[ RUN      \] //p' "$run_file.out" | tail -n 1)"
            if [ -n "$last" ]; then
                echo "wine-gtest.sh: $name did not run: the program $how in $last" >&2
            else
                tail -n 20 "$run_file.out"
                echo "wine-gtest.sh: $name did not run: the program $how before its first case" >&2
            fi
        fi
        ;;
esac
exit 1
