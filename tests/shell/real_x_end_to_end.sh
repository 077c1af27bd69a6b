#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The kestrun developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program in a real X server: starts its own Xvfb on a free display, runs kestrun, finds its
# window by the title "Tessaro", checks its size, types into both fields and presses "Lost" with real X
# input events, saves a picture of the window, closes it with its own close button and checks that the
# program ends with exit code 0.
#   real_x_end_to_end.sh KESTRUN KESTRUN_X_GRAB OUTPUT_FOLDER
set -euo pipefail

kestrun=$1
grab=$2
out=$3
mkdir -p "$out"

# shellcheck source=script_support.sh
source "$(dirname "$0")/script_support.sh"
# Here a failure ends the test at once.
fail() { echo "end-to-end: $*" >&2; exit 1; }

# Without any display the program says so plainly instead of aborting.
if env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$kestrun" 2>"$out/no-display.txt"; then
  fail "kestrun started without a display"
fi
grep -q '^kestrun: no display' "$out/no-display.txt" || fail "no plain message without a display: $(cat "$out/no-display.txt")"

. "$(dirname "$0")/x_server.sh"
start_x_server "$out" -screen 0 640x480x24

"$kestrun" 2>"$out/kestrun.log" &
kestrun_pid=$!
wait_for xdotool search --name '^Tessaro$' || fail "no window titled Tessaro: $(cat "$out/kestrun.log")"
window=$(xdotool search --name '^Tessaro$' | head -n1)
[ "$(xdotool getwindowname "$window")" = "Tessaro" ] || fail "the window system does not read Tessaro"

# The carried skin's frame: 4 pixels on every side and a title bar of 22 below the top frame.
frame=4
title=22
eval "$(xdotool getwindowgeometry --shell "$window")"
client_width=$((WIDTH - 2 * frame))
client_height=$((HEIGHT - 2 * frame - title))
[ "$client_width" -eq 194 ] && [ "$client_height" -eq 195 ] || fail "client area is ${client_width}x${client_height}"

# Window coordinates of a point given in the client area.
at() { echo "$((frame + $1)) $((frame + title + $2))"; }
click() { xdotool mousemove --window "$window" $(at "$1" "$2") click 1; }
ink_of_result() { "$grab" "$window" "$1" $(at 100 94) 81 25; }

[ "$(ink_of_result "$out/before.png")" -eq 0 ] || fail "the result label is not empty at start"

# First Trade: click to the right of "1", replace it by 10. Payout: click on its first digit, type 80.
click 170 30
xdotool key --delay 50 End BackSpace
xdotool type --delay 50 10
click 104 55
xdotool type --delay 50 80
# "Lost": 1 x 10 + 0 / 0.8 shows 10.00.
click 140 162
result_shown() { [ "$(ink_of_result "$out/kestrun.png")" -gt 0 ]; }
wait_for result_shown || fail "no result shown after Lost"
echo "end-to-end: picture of the window in $out/kestrun.png"

# The window's own close button, at the right of its title bar.
xdotool mousemove --window "$window" $((WIDTH - frame - 3 - 8)) $((frame + title / 2)) click 1
for _ in $(seq 100); do
  kill -0 "$kestrun_pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$kestrun_pid" 2>/dev/null && fail "the close button did not end the program"
rc=0
wait "$kestrun_pid" || rc=$?
kestrun_pid=
[ "$rc" -eq 0 ] || fail "kestrun ended with exit code $rc"
echo "end-to-end: passed"
