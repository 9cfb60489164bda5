#!/usr/bin/env bash
# The program installed by `cmake --install` into a fresh prefix starts on a
# private Xvfb server, shows its main window with Tallowin's icon (the one the
# window manager gets, _NET_WM_ICON), names its desktop entry by its X11
# class and its Wayland app id, and ends on Esc.
#
# Usage: installed_program.sh CMAKE BUILD_DIR NAME ICON_16_PNG
set -euo pipefail
[ $# -eq 4 ] || { echo "usage: $0 CMAKE BUILD_DIR NAME ICON_16_PNG" >&2; exit 2; }
cmake="$1" build="$2" name="$3" icon16="$4"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

work="$(mktemp -d)"
cleanup() {
    stop_program
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

"$cmake" --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$work/install.log")"

start_xvfb "$work"
start_program "$work/prefix/bin/$name" "$work/program.log"
check_window_icon "$icon16"
check_desktop_entry_matches "$work/prefix/share/applications/org.tallowin.Tallowin.desktop" \
    "$work/prefix/bin/$name"
close_program
echo "installed_program: the installed $name showed its window and icon, and ended on Esc"
