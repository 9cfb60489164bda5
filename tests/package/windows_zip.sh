#!/usr/bin/env bash
# The Windows ZIP: CPack makes it from the Windows build; Tallowin.exe and
# LICENSE.txt are at its root and nothing else is in it; the program is a
# Windows GUI program whose icon is data/icons/tallowin.ico, image for image
# (16x16, 32x32 and 48x48, 16 colours each).
#
# Usage: windows_zip.sh CPACK BUILD_DIR NAME ICO
set -euo pipefail
[ $# -eq 4 ] || { echo "usage: $0 CPACK BUILD_DIR NAME ICO" >&2; exit 2; }
cpack="$1" build="$2" name="$3" ico="$4"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

(cd "$work" && timeout 120 "$cpack" --config "$build/CPackConfig.cmake" -B "$work/packages") \
    >"$work/cpack.log" 2>&1 || fail "cpack failed: $(cat "$work/cpack.log")"
zips=("$work"/packages/*.zip)
[ ${#zips[@]} -eq 1 ] && [ -f "${zips[0]}" ] || fail "cpack made no single ZIP: ${zips[*]}"
zip="${zips[0]}"

diff -u <(printf '%s\n' LICENSE.txt "$name.exe") <(unzip -Z1 "$zip" | sort) ||
    fail "the ZIP does not hold exactly $name.exe and LICENSE.txt at its root (- expected, + found)"

unzip -q "$zip" -d "$work/unzipped"
exe="$work/unzipped/$name.exe"
# Debian 12's file says "PE32+ executable (GUI) x86-64 ...", Debian 13's
# "PE32+ executable for MS Windows 5.02 (GUI), x86-64 ...".
file -b "$exe" | grep -q '^PE32+\? executable [^(]*(GUI)' || fail "$name.exe is no Windows GUI program: $(file -b "$exe")"

# The icon: the program's first icon group, written out as an ICO, has the
# same three images as data/icons/tallowin.ico.
wrestool -l --type=14 "$exe" | grep -q group_icon || fail "$name.exe has no icon resource"
wrestool -x --type=14 "$exe" -o "$work/program.ico" ||
    fail "could not read the icon out of $name.exe"
shape() { convert "$1" -format '%wx%h %z\n' info:; }
[ "$(shape "$work/program.ico")" = "$(shape "$ico")" ] ||
    fail "the program's icon has images $(shape "$work/program.ico" | tr '\n' ' '), not $(shape "$ico" | tr '\n' ' ')"
for i in 0 1 2; do
    differ="$(compare -metric AE "$work/program.ico[$i]" "$ico[$i]" null: 2>&1)" || true
    [ "$differ" = 0 ] || fail "image $i of the program's icon differs from $ico in $differ pixels"
done
echo "windows_zip: $(basename "$zip") holds $name.exe (with Tallowin's icon) and LICENSE.txt"
