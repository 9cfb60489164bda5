# Sourced by the scripts that build a machine inside a private mount
# namespace: gives the machine firmware facts and an operating system name of
# its own, seen by that namespace alone.
#
# set_dmi NAME VALUE: the firmware fact /sys/class/dmi/id/NAME holds VALUE
# and a line end, as the kernel writes it. The first call lays an empty
# tmpfs over /sys/class, so the machine has no firmware facts but the ones
# it is given.
#
# set_os_release TEXT FOLDER: /etc/os-release and /usr/lib/os-release both
# read TEXT, kept in FOLDER/os-release. The first is often a link to the
# second: the file each names is covered once, since a second cover over
# the first would make the text's own file a mount point, which could then
# not be removed.

_dmi_folder=/sys/class/dmi/id

set_dmi() {
    if ! mountpoint -q /sys/class; then
        mount -t tmpfs tmpfs /sys/class
        mkdir -p "$_dmi_folder"
    fi
    printf '%s\n' "$2" >"$_dmi_folder/$1"
}

set_os_release() {
    local text="$1" folder="$2" file
    printf '%s' "$text" >"$folder/os-release"
    for file in $(realpath -e /etc/os-release /usr/lib/os-release 2>/dev/null | sort -u); do
        mount --bind "$folder/os-release" "$file"
    done
}
