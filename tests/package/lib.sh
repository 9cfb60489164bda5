# Helpers for the package tests, sourced by them: the program's window and
# its icon, on the private Xvfb server of the shared shell helpers. Each
# helper fails with a message of its own. The caller sets `set -euo
# pipefail`, defines its cleanup and calls stop_program and stop_xvfb from it.

# shellcheck source=../shell/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../shell/lib.sh"

program_pid=""

# Starts the program $1 on the Xvfb display, its output into $2, and waits
# for its main window, titled "Tallowin", to be mapped: sets program_pid and
# window. (Not for a command substitution: the program is this shell's child.)
window=""
start_program() {
    local program="$1" log="$2"
    QT_QPA_PLATFORM=xcb "$program" >"$log" 2>&1 &
    program_pid=$!
    window="$(find_window 30 '^Tallowin$')"
    [ -n "$window" ] || fail "the main window of $program did not appear; its output: $(cat "$log")"
}

stop_program() {
    stop_process "$program_pid"
    program_pid=""
}

# Ends the program as a person would, with Esc, and checks that it ends.
close_program() {
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key Escape
    wait_ended "$program_pid" 100 || fail "the program did not end on Esc"
    local status=0
    wait "$program_pid" || status=$?
    program_pid=""
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

# Checks that the main window carries the program's icon for the window
# manager (_NET_WM_ICON): the images of 16, 32 and 48 pixels are there, and
# the 16-pixel one is, pixel for pixel, the PNG $1 (data/icons/tallowin-16.png).
check_window_icon() {
    local png="$1" dir
    dir="$(mktemp -d)"
    xprop -id "$window" -notype -len 100000000 -f _NET_WM_ICON 32c _NET_WM_ICON \
        >"$dir/icon" || fail "xprop could not read the window"
    convert "$png" -depth 8 "rgba:$dir/expected.rgba" || fail "could not read $png"
    python3 - "$dir/icon" "$dir/expected.rgba" <<'PY' || { rm -rf "$dir"; fail "the window's icon is not Tallowin's"; }
import sys

text = open(sys.argv[1]).read()
if "=" not in text:
    sys.exit(f"the window has no icon (_NET_WM_ICON): {text.strip()}")
values = [int(v) for v in text.split("=", 1)[1].replace(",", " ").split()]
images = {}
at = 0
while at + 2 <= len(values):  # width, height, then width * height ARGB pixels
    w, h = values[at], values[at + 1]
    images[(w, h)] = values[at + 2:at + 2 + w * h]
    at += 2 + w * h
sizes = sorted(images)
for size in (16, 32, 48):
    if (size, size) not in images:
        sys.exit(f"no {size} x {size} image in the window's icon; it has {sizes}")
raw = open(sys.argv[2], "rb").read()
for i, argb in enumerate(images[(16, 16)]):
    r, g, b, a = raw[i * 4:i * 4 + 4]
    got = ((argb >> 16) & 255, (argb >> 8) & 255, argb & 255, argb >> 24)
    if a == 0 and got[3] == 0:
        continue
    if got != (r, g, b, a):
        sys.exit(f"pixel {i % 16},{i // 16} of the 16 x 16 icon is {got}, not {(r, g, b, a)}")
print(f"window icon: {len(sizes)} images, {sizes[0][0]} to {sizes[-1][0]} pixels; "
      "the 16 x 16 one is data/icons/tallowin-16.png")
PY
    rm -rf "$dir"
}

# The desktop entry $1 and the program $2 name each other the way docks and
# task bars match them: on X11 the running window's class (WM_CLASS) is the
# entry's StartupWMClass, on Wayland its app id is the entry's file name.
# Needs start_program's window on the X display.
check_desktop_entry_matches() {
    local desktop="$1" program="$2" class wanted app_id
    wanted="$(sed -n 's/^StartupWMClass=//p' "$desktop")"
    class="$(xprop -id "$window" WM_CLASS | sed -n 's/.*, "\(.*\)"$/\1/p')"
    [ -n "$wanted" ] && [ "$class" = "$wanted" ] ||
        fail "the window's class is '$class', the desktop entry's StartupWMClass '$wanted'"
    app_id="$(
        # shellcheck source=../shell/weston.sh
        source "$(dirname "${BASH_SOURCE[0]}")/../shell/weston.sh"
        trap stop_weston EXIT
        start_weston
        wayland_app_id "$program"
    )"
    [ "$app_id" = "$(basename "$desktop" .desktop)" ] ||
        fail "the Wayland app id is '$app_id', the desktop entry is $(basename "$desktop")"
    echo "desktop entry: the X11 class '$class' and the Wayland app id '$app_id' match it"
}

# Builds the Debian package with CPack from a release build in $1 (configured
# there first if it is not yet), logs in $2: sets deb to its path.
deb=""
build_deb() {
    local build="$1" work="$2" root
    root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
    if [ ! -f "$build/CMakeCache.txt" ]; then
        timeout 120 cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
            -DTALLOWIN_BUILD_TESTS=OFF -DTALLOWIN_WERROR=ON >"$work/configure.log" 2>&1 ||
            fail "configuring failed: $(cat "$work/configure.log")"
    fi
    timeout 600 cmake --build "$build" >"$work/build.log" 2>&1 ||
        fail "building failed: $(tail -n 40 "$work/build.log")"
    rm -rf "$build/packages"
    (cd "$build" && timeout 120 cpack -B "$build/packages") >"$work/cpack.log" 2>&1 ||
        fail "cpack failed: $(cat "$work/cpack.log")"
    local debs=("$build"/packages/*.deb)
    [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb: ${debs[*]}"
    deb="${debs[0]}"
}
