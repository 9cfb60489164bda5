#!/usr/bin/env bash
# wine_gtest_test.sh WINE-GTEST.SH: how it reports each case from one run of a
# program that a stand-in for wine-run.sh prints, under a shell named ctest.
set -euo pipefail
if [ "$(</proc/$$/comm)" != ctest ]; then
    work="$(mktemp -d)" && trap 'rm -rf "$work"' EXIT
    cp "$1" "$work/wine-gtest.sh" && ln -s "$(command -v bash)" "$work/ctest"
    # shellcheck disable=SC2016 # the stand-in's own text
    printf '#!/bin/bash\n%s\n' 'echo "$3" >>"${0%/*}/runs"; cat "${0%/*}/$3.out"; exit "$(<"${0%/*}/$3.status")"' \
        >"$work/wine-run.sh" && chmod +x "$work/wine-run.sh"
    "$work/ctest" "$0" "$work"
    exit
fi
work="$1" failures=0

# A program's OUTPUT and STATUS, then rows of a case, the exit status it
# must report and its whole report; the program runs once for all of them.
check() {
    local program="$1"
    printf '%b' "$2" >"$work/$program.out" && echo "$3" >"$work/$program.status" && shift 3
    while [ $# -gt 0 ]; do
        # (Not in $(...), whose subshell would be the case's parent.)
        "$work/wine-gtest.sh" --prefix "$work/prefix" "$program" --gtest_filter="$1" \
            >"$work/report" 2>&1 && status=0 || status=$?
        if [ "$status" != "$2" ] || [ "$(<"$work/report")" != "$(printf '%b' "$3")" ]; then
            echo "FAIL: $program $1 reported $status, not $2, or:"$'\n'"$(<"$work/report")" >&2
            failures=$((failures + 1))
        fi
        shift 3
    done
    [ "$(grep -cx "$program" "$work/runs")" = 1 ] || { echo "FAIL: $program ran again" >&2; failures=1; }
}

a1='[ RUN      ] S.a/1\n[       OK ] S.a/1 (0 ms)'
a10='[ RUN      ] S.a/10\nx.cpp:1: Failure\n[  FAILED  ] S.a/10, where GetParam() = 3 (0 ms)'
b='[ RUN      ] S.b\n[  SKIPPED ] S.b (0 ms)'
check failing.exe "$a10\n$a1\n$b\n[==========] 3 tests from 1 test suite ran.\n" 1 \
    S.a/1 0 "$a1" S.a/10 1 "$a10" S.b 0 "$b" \
    S.c 1 'wine-gtest.sh: S.c did not run: the program ran to its end without it'
check crashing.exe "$a1\n[ RUN      ] S.b\nAbort!\n" 3 S.a/1 0 "$a1" \
    S.b 1 '[ RUN      ] S.b\nAbort!\nwine-gtest.sh: S.b did not end: the program ended with status 3 in it' \
    S.c 1 'wine-gtest.sh: S.c did not run: the program ended with status 3 in S.b'
check failing_at_exit.exe "$a1\n[==========] 1 test from 1 test suite ran.\n" 5 \
    S.a/1 1 "$a1\nwine-gtest.sh: the program ended with status 5 outside its cases"
[ "$failures" = 0 ]
