# SPDX-FileCopyrightText: 2026 The kestrun developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the tests that run the real program in their own X server.
#   start_x_server OUTPUT_FOLDER [XVFB OPTIONS...]   starts Xvfb on a free display and exports DISPLAY;
#                                                    the server does not reset when its last client leaves
#   wait_for COMMAND...                               waits up to ~10 s for COMMAND to succeed
# On exit the X server and the program whose pid is in $kestrun_pid are ended. The sourcing script
# defines fail MESSAGE.
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || fail "$tool is missing (tools/setup-debian installs it)"
done

xvfb_pid=
kestrun_pid=
cleanup() {
  [ -n "$kestrun_pid" ] && kill "$kestrun_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

# shellcheck source=wait_for.sh
source "$(dirname "${BASH_SOURCE[0]}")/wait_for.sh"

start_x_server() {
  local out=$1
  shift
  : >"$out/display"
  Xvfb -displayfd 5 -noreset "$@" -nolisten tcp 5>"$out/display" 2>"$out/xvfb.log" &
  xvfb_pid=$!
  wait_for test -s "$out/display" || fail "Xvfb did not start: $(cat "$out/xvfb.log")"
  export DISPLAY=":$(head -n1 "$out/display")"
  unset WAYLAND_DISPLAY
  export QT_QPA_PLATFORM=xcb
}
