#!/usr/bin/env bash
# The Debian package, end to end, on this machine: builds it with CPack in a
# release build (build/pkg-release), installs it with apt-get, starts the
# installed /usr/bin/Tallowin under Xvfb (its window, its icon, a
# screenshot), closes it with Esc, purges the package, and checks that
# nothing of it is left behind.
#
# Needs root, or sudo without a password: it installs a package. script/test
# runs it after the other tests. Every step has a time limit, and on any exit
# the program, the X server and the package (if this run installed it) are
# removed again. Two runs on one machine wait for each other.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$root/tests/package/lib.sh"

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo -n true 2>/dev/null || fail "needs root or sudo without a password"
    sudo=(sudo -n)
fi
export DEBIAN_FRONTEND=noninteractive
apt_options=(-y -qq -o DPkg::Lock::Timeout=120 --no-install-recommends)

build="$root/build/pkg-release"
screenshot="$build/tallowin-installed.png"
work="$(mktemp -d)"
installed_by_us=false

# The package is installed machine-wide: one round trip at a time.
exec 9>"${TMPDIR:-/tmp}/tallowin-deb-roundtrip.lock"
flock -w 300 9 || fail "another package round trip has held the lock for 5 minutes"

cleanup() {
    local status=$?
    stop_program
    stop_xvfb
    if $installed_by_us; then
        echo "deb_roundtrip: removing the package after a failure" >&2
        timeout 120 "${sudo[@]}" apt-get purge "${apt_options[@]}" "$package" >/dev/null 2>&1 ||
            timeout 60 "${sudo[@]}" dpkg -P "$package" >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

step() { echo "deb_roundtrip: $*"; }

# ---- Build the package.
step "building the release build and the package in build/pkg-release"
build_deb "$build" "$work"

# ---- Its control fields: name, version and description from
# cmake/Version.cmake (through CPackConfig.cmake), computed dependencies.
cpack_value() { sed -n "s/^set(CPACK_$1 \"\(.*\)\")$/\1/p" "$build/CPackConfig.cmake"; }
package="$(cpack_value PACKAGE_NAME)"
version="$(cpack_value DEBIAN_PACKAGE_VERSION)"
summary="$(cpack_value PACKAGE_DESCRIPTION_SUMMARY)"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = "$package" ] || fail "Package is '$(field Package)', not '$package'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not '$version'"
# Each release's package depends on that release's libraries: its version
# says which release (1.2.0.9+deb12), and so does its file name.
release="$(. /etc/os-release && echo "$VERSION_ID")"
[[ "$version" == *"+deb$release" ]] || fail "Version '$version' does not name Debian $release"
[[ "$(basename "$deb")" == "${package}_${version}_"*.deb ]] ||
    fail "the file name $(basename "$deb") does not carry the version $version"
[ "$(field Section)" = utils ] || fail "Section is '$(field Section)', not utils"
[ -n "$(field Maintainer)" ] || fail "the package has no Maintainer"
[ "$(field Description | head -n 1)" = "$summary" ] ||
    fail "the description's first line is '$(field Description | head -n 1)', not '$summary'"
depends="$(field Depends)"
for library in libc6 libqt6widgets6; do
    grep -q "\b$library\b" <<<"$depends" || fail "Depends lacks $library: $depends"
done
# A Wayland session needs Qt's Wayland plug-in, or falls back to XWayland.
field Recommends | grep -q '\bqt6-wayland\b' || fail "Recommends lacks qt6-wayland"
step "$(basename "$deb"): $package $version, Depends: $depends"

# ---- Before: the package is not installed, and we note which of its paths
# exist already (folders such as /usr/bin belong to other packages too).
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    step "$package is installed already (left over from an earlier run?); purging it first"
    timeout 120 "${sudo[@]}" apt-get purge "${apt_options[@]}" "$package" >/dev/null
fi
if dpkg -L "$package" >/dev/null 2>&1; then
    fail "dpkg still knows files of $package before the install"
fi
dpkg-deb -c "$deb" | awk '{ print $NF }' | sed 's|^\./|/|; s|/$||' | grep -v '^$' |
    sort >"$work/paths"
: >"$work/existed"
while read -r path; do
    if [ -e "$path" ]; then echo "$path" >>"$work/existed"; fi
done <"$work/paths"

# ---- Install.
step "installing with apt-get"
installed_by_us=true
timeout 180 "${sudo[@]}" apt-get install "${apt_options[@]}" "$deb" >"$work/install.log" 2>&1 ||
    fail "apt-get install failed: $(cat "$work/install.log")"
dpkg-query -W -f='${Status} ${Version}' "$package" | grep -qx "install ok installed $version" ||
    fail "dpkg does not report $package $version installed"
dpkg -L "$package" | sort >"$work/listed"
for needed in /usr/bin/Tallowin /usr/share/applications/org.tallowin.Tallowin.desktop \
    /usr/share/metainfo/org.tallowin.Tallowin.metainfo.xml \
    /usr/share/icons/hicolor/48x48/apps/org.tallowin.Tallowin.png \
    /usr/share/icons/hicolor/scalable/apps/org.tallowin.Tallowin.svg; do
    grep -qx "$needed" "$work/listed" || fail "the package does not list $needed"
    [ -f "$needed" ] || fail "$needed is not there after the install"
done
desktop-file-validate /usr/share/applications/org.tallowin.Tallowin.desktop ||
    fail "the installed desktop entry is not valid"
[ "$(command -v Tallowin)" = /usr/bin/Tallowin ] ||
    fail "the desktop entry's Exec=Tallowin does not find /usr/bin/Tallowin"

# ---- Start the installed program as a person would see it.
step "starting /usr/bin/Tallowin under Xvfb"
start_xvfb "$work"
start_program /usr/bin/Tallowin "$work/program.log"
check_window_icon "$root/data/icons/tallowin-16.png"
check_desktop_entry_matches /usr/share/applications/org.tallowin.Tallowin.desktop /usr/bin/Tallowin
sleep 1 # let the window paint itself
rm -f "$screenshot"
timeout 20 import -window "$window" "$screenshot" || fail "could not take the screenshot"
step "screenshot of the installed program: $screenshot"
close_program
stop_xvfb

# ---- Remove it, and check that nothing is left behind.
step "purging $package"
timeout 120 "${sudo[@]}" apt-get purge "${apt_options[@]}" "$package" >"$work/purge.log" 2>&1 ||
    fail "apt-get purge failed: $(cat "$work/purge.log")"
installed_by_us=false
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'installed'; then
    fail "dpkg still reports $package: $(dpkg-query -W -f='${Status}' "$package")"
fi
if dpkg -L "$package" >/dev/null 2>&1; then
    fail "dpkg still lists files of $package after the purge"
fi
left=()
while read -r path; do
    if [ ! -e "$path" ] && [ ! -L "$path" ]; then continue; fi
    if grep -qxF "$path" "$work/existed"; then continue; fi
    left+=("$path")
done < <(sort -u "$work/listed" "$work/paths")
[ ${#left[@]} -eq 0 ] || fail "left behind after the purge: ${left[*]}"
for info in /var/lib/dpkg/info/"$package".* /var/lib/dpkg/info/"$package":*; do
    if [ -e "$info" ]; then fail "dpkg's records of $package are left: $info"; fi
done

step "passed: built, installed, started, closed and purged $package $version; nothing left behind"
