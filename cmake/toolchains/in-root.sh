#!/usr/bin/env bash
# Runs a command inside another root file system (such as the tests' Debian
# 13 root with Wine 10), with this machine's /dev, /proc, /sys and /tmp, and
# the folders named with --bind, at the same paths. The mounts live in a
# private mount namespace of the command's own and end with it; root uses
# one directly, other users through a user namespace in which they are root.
#
#   in-root.sh ROOT [--bind DIR]... COMMAND [ARGS...]
#
# A folder given with --bind is reached through its top folder (/home,
# /root, /work...), bound whole, so that every path under it reads the same
# inside; the command starts in the current folder.
set -euo pipefail

root="$1"
shift
binds=()
while [ $# -gt 0 ] && [ "$1" = "--bind" ]; do
    binds+=("$2")
    shift 2
done
[ $# -gt 0 ] || { echo "usage: in-root.sh ROOT [--bind DIR]... COMMAND [ARGS...]" >&2; exit 2; }

# The top folders to bind, each once; the root's own system folders are
# never covered (a folder below one of them is bound by itself).
tops=()
for dir in "${binds[@]}" "$PWD"; do
    dir="$(realpath -m "$dir")"
    top="/$(cut -d/ -f2 <<<"$dir")"
    case "$top" in
        / | /bin | /boot | /dev | /etc | /lib | /lib32 | /lib64 | /libx32 | /proc | /run | /sbin | \
            /sys | /usr | /var) top="$dir" ;;
    esac
    if [ "$top" = / ] || [ "$top" = /tmp ]; then continue; fi
    case " ${tops[*]} " in *" $top "*) ;; *) tops+=("$top") ;; esac
done

namespace=(unshare --mount --propagation private)
[ "$(id -u)" -ne 0 ] && namespace+=(--map-root-user)

exec "${namespace[@]}" bash -euc '
    root="$1" tops="$2" here="$3"
    shift 3
    # The root a mount of its own, so that commands inside may make mount
    # namespaces of their own (unshare --mount changes the propagation of
    # "/", which must be a mount point for that).
    mount --bind "$root" "$root"
    for dir in /dev /proc /sys /tmp; do mount --rbind "$dir" "$root$dir"; done
    while IFS= read -r dir; do
        [ -n "$dir" ] || continue
        mkdir -p "$root$dir"
        mount --rbind "$dir" "$root$dir"
    done <<<"$tops"
    exec chroot "$root" env --chdir="$here" "$@"
' in-root "$root" "$(printf '%s\n' "${tops[@]}")" "$PWD" "$@"
