#!/usr/bin/env bash
# `cmake --install` into a fresh prefix puts exactly the expected files where
# the freedesktop specifications say, and the installed desktop entry and
# AppStream metadata pass their validators and carry the name, version and
# description of cmake/Version.cmake.
#
# Usage: install_tree.sh CMAKE BUILD_DIR APP_ID NAME VERSION DESCRIPTION
set -euo pipefail
[ $# -eq 6 ] || { echo "usage: $0 CMAKE BUILD_DIR APP_ID NAME VERSION DESCRIPTION" >&2; exit 2; }
cmake="$1" build="$2" app_id="$3" name="$4" version="$5" description="$6"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

"$cmake" --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$prefix.log")"
rm -f "$prefix.log"

# ---- The tree: these files and no others.
icons=share/icons/hicolor
expected=(
    "bin/$name"
    "share/applications/$app_id.desktop"
    "share/metainfo/$app_id.metainfo.xml"
    "share/doc/${name,,}/copyright"
    "$icons/scalable/apps/$app_id.svg"
)
sizes=(16 22 24 32 48 64 128 256)
for size in "${sizes[@]}"; do
    expected+=("$icons/${size}x${size}/apps/$app_id.png")
done
diff -u <(printf '%s\n' "${expected[@]}" | sort) \
    <(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort) ||
    fail "the installed files are not the expected ones (- expected, + installed)"

[ -x "$prefix/bin/$name" ] || fail "bin/$name is not executable"
for size in "${sizes[@]}"; do
    png="$prefix/$icons/${size}x${size}/apps/$app_id.png"
    file -b "$png" | grep -q "^PNG image data, $size x $size," ||
        fail "$png is not a $size x $size PNG: $(file -b "$png")"
done
grep -q '<svg' "$prefix/$icons/scalable/apps/$app_id.svg" || fail "the scalable icon is no SVG"

# ---- The desktop entry: valid without a single remark, and pointing at the
# installed program and icon.
desktop="$prefix/share/applications/$app_id.desktop"
remarks="$(desktop-file-validate "$desktop" 2>&1)" || fail "desktop-file-validate failed: $remarks"
[ -z "$remarks" ] || fail "desktop-file-validate remarks: $remarks"
key() { sed -n "s/^$1=//p" "$desktop"; }
[ "$(key Name)" = "$name" ] || fail "the desktop entry's Name is '$(key Name)', not '$name'"
[ "$(key Exec)" = "$name" ] || fail "the desktop entry's Exec is '$(key Exec)', not '$name'"
[ "$(key Icon)" = "$app_id" ] || fail "the desktop entry's Icon is '$(key Icon)', not '$app_id'"
[ "$(key Comment)" = "$description" ] || fail "the desktop entry's Comment is '$(key Comment)'"
grep -Eq '^Categories=(.*;)?System;' "$desktop" || fail "the desktop entry is not in System"

# ---- The AppStream metadata: valid (offline), with this release.
metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
report="$(appstreamcli validate --no-net --no-color "$metainfo" 2>&1)" ||
    fail "appstreamcli validate failed: $report"
python3 - "$metainfo" "$app_id" "$name" "$version" "$description" <<'PY' ||
import sys
import xml.etree.ElementTree as ET

path, app_id, name, version, description = sys.argv[1:]
root = ET.parse(path).getroot()


def text(tag):
    node = root.find(tag)
    return None if node is None else (node.text or "").strip()


def attr(tag, name):
    node = root.find(tag)
    return None if node is None else node.get(name)


checks = {
    "id": (text("id"), app_id),
    "name": (text("name"), name),
    "summary": (text("summary"), description),
    "launchable": (text("launchable"), app_id + ".desktop"),
    "release": (attr("releases/release", "version"), version),
    "content rating": (attr("content_rating", "type"), "oars-1.1"),
}
bad = [f"{k}: {got!r}, not {want!r}" for k, (got, want) in checks.items() if got != want]
if root.find("screenshots/screenshot/image") is None:
    bad.append("no screenshot")
if not attr("releases/release", "date"):
    bad.append("the release has no date")
if bad:
    sys.exit("; ".join(bad))
PY
    fail "the metainfo is not Tallowin's"

echo "install_tree: ${#expected[@]} files in place; desktop entry and metainfo valid"
