#!/usr/bin/env bash
# The Debian package built on this machine (Debian 12), installed as a user
# of Debian 13 would install it: into a fresh copy of a bare Debian 13 root
# (script/debian-root debian13-clean), with apt-get, which must find every
# dependency in Debian 13 (Qt 6.8's libqt6core6t64 provides libqt6core6).
# The installed /usr/bin/Tallowin is then started inside that root on this
# machine's Xvfb, shows its main window with Tallowin's icon, and ends on
# Esc. The copy is removed afterwards; the downloaded packages and package
# lists are kept in the cache folder beside the root, so that a later run
# downloads only what changed.
#
#   tests/package/deb_on_debian13.sh [DEB]
#
# DEB defaults to the package that deb_roundtrip.sh builds in
# build/pkg-release (built here when missing). Needs root, or a user with
# subordinate ids (see script/debian-root).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$root/tests/package/lib.sh"
cd "$root"

work="$(mktemp -d)"
copy=""
cleanup() {
    local status=$?
    stop_program
    stop_xvfb
    [ -z "$copy" ] || rm -rf "$copy"
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

step() { echo "deb_on_debian13: $*"; }

deb="${1:-}"
if [ -z "$deb" ]; then
    build_deb "$root/build/pkg-release" "$work"
fi
deb="$(realpath "$deb")"

clean="$(script/debian-root debian13-clean)"
cache="$(dirname "$clean")/debian13-apt"
mkdir -p "$cache/archives/partial" "$cache/lists/partial"
copy="$(mktemp -d "$(dirname "$clean")/debian13-run.XXXXXX")"
cp -a "$clean/." "$copy"
inside() { cmake/toolchains/in-root.sh "$copy" --bind "$cache" --bind "$(dirname "$deb")" "$@"; }

step "installing $(basename "$deb") into a fresh Debian 13 root"
apt_options=(-o "Dir::Cache::Archives=$cache/archives" -o "Dir::State::Lists=$cache/lists"
    -o APT::Sandbox::User=root -o DPkg::Lock::Timeout=600)
(
    flock -w 600 9 || fail "another run has held $cache for 10 minutes"
    inside env DEBIAN_FRONTEND=noninteractive apt-get "${apt_options[@]}" update -qq &&
        inside env DEBIAN_FRONTEND=noninteractive apt-get "${apt_options[@]}" install -y -qq \
            --no-install-recommends "$deb"
) 9>"$cache.lock" >"$work/install.log" 2>&1 ||
    fail "apt-get install failed in the Debian 13 root: $(tail -n 30 "$work/install.log")"
package="$(dpkg-deb -f "$deb" Package)"
installed="$(inside dpkg-query -W -f='${Status} ${Version}' "$package")"
[ "$installed" = "install ok installed $(dpkg-deb -f "$deb" Version)" ] ||
    fail "dpkg in the Debian 13 root reports '$installed'"
qt="$(inside dpkg-query -W -f='${Version}' libqt6core6t64)"
step "installed; Debian 13's Qt is $qt"

# The program inside the root, its windows on this machine's Xvfb (the
# root shares /tmp, and so the X server's socket).
printf '#!/bin/sh\nexec %q %q --bind %q /usr/bin/Tallowin\n' \
    "$root/cmake/toolchains/in-root.sh" "$copy" "$work" >"$work/Tallowin"
chmod +x "$work/Tallowin"
start_xvfb "$work"
start_program "$work/Tallowin" "$work/program.log"
check_window_icon "$root/data/icons/tallowin-16.png"
sleep 1 # let the window paint itself
screenshot="$root/build/pkg-release/tallowin-on-debian13.png"
mkdir -p "$(dirname "$screenshot")"
timeout 20 import -window "$window" "$screenshot" || fail "could not take the screenshot"
step "screenshot of the program installed on Debian 13: $screenshot"
close_program
step "passed: $package $(dpkg-deb -f "$deb" Version) installed on Debian 13 (Qt $qt)," \
    "showed its main window and icon, and ended on Esc"
