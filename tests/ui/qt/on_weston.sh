#!/usr/bin/env bash
# Runs one Qt window suite on a real Wayland compositor (weston, on a private
# socket) instead of Qt's offscreen platform, and stops the compositor after.
#
# Usage: on_weston.sh TEST_PROGRAM [ARGUMENTS...]
set -uo pipefail
# shellcheck source=../../shell/weston.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../shell/weston.sh"
command -v weston >/dev/null || fail "weston is missing (script/bootstrap installs it)"
trap stop_weston EXIT
start_weston
QT_QPA_PLATFORM=wayland "$@"
