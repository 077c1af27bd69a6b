#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The kestrun developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program under a real window manager (icewm) in its own Xvfb, driven with real X input:
# what the window manager reads of its windows (titles, owner, taskbar flags, allowed actions), that the
# window keeps its size against fullscreen, maximise and resize requests, that a bare click on its own
# title bar leaves nothing running, and that SIGTERM, SIGINT and SIGHUP end it with exit status 0.
#   real_x_window_manager.sh KESTRUN KESTRUN_X_GRAB OUTPUT_FOLDER
set -uo pipefail

kestrun=$1
grab=$2
out=$3
mkdir -p "$out"

die() { echo "window manager: $*" >&2; exit 1; }
for tool in Xvfb icewm xdotool xprop wmctrl; do
  command -v "$tool" >/dev/null || die "$tool is missing (tools/setup-debian installs it)"
done

# shellcheck source=script_support.sh
source "$(dirname "$0")/script_support.sh"

xvfb_pid=
wm_pid=
kestrun_pid=
cleanup() {
  [ -n "$kestrun_pid" ] && kill -KILL "$kestrun_pid" 2>/dev/null
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  true
}
trap cleanup EXIT

: >"$out/display"
Xvfb -displayfd 5 -screen 0 800x600x24 -noreset -nolisten tcp 5>"$out/display" 2>"$out/xvfb.log" &
xvfb_pid=$!
wait_for test -s "$out/display" || die "Xvfb did not start: $(cat "$out/xvfb.log")"
export DISPLAY=":$(head -n1 "$out/display")"
unset WAYLAND_DISPLAY XDG_SESSION_TYPE
export QT_QPA_PLATFORM=xcb

# icewm with its default settings, none of the user's.
mkdir -p "$out/home"
HOME="$out/home" icewm -c /dev/null >"$out/icewm.log" 2>&1 &
wm_pid=$!
wait_for xprop -root _NET_SUPPORTING_WM_CHECK || die "icewm did not start: $(cat "$out/icewm.log")"
wait_for sh -c 'xprop -root _NET_SUPPORTED | grep -q _NET_WM_STATE_FULLSCREEN' || die "icewm is not ready"

# Starts kestrun with the skins of DATA_HOME (empty: the carried skin) and waits for a window named NAME.
start_kestrun() {
  local data_home=$1 name=$2
  XDG_DATA_HOME=$data_home "$kestrun" >>"$out/kestrun.log" 2>&1 &
  kestrun_pid=$!
  wait_for xdotool search --name "^$name\$" || die "no window named $name: $(cat "$out/kestrun.log")"
}

# Ends the running kestrun by SIGNAL; its exit status goes to $ended_with.
end_kestrun() {
  end_by_signal "$1" "$kestrun_pid"
  kestrun_pid=
}

# The windows whose name is NAME; the first of them.
window_named() { xdotool search --name "^$1\$" | head -n1; }
property() { xprop -id "$1" "$2" 2>/dev/null; }
has_state() { property "$1" _NET_WM_STATE | grep -q "$2"; }
lacks_action() { ! property "$1" _NET_WM_ALLOWED_ACTIONS | grep -q "$2"; }
names_are() { property "$1" WM_NAME | grep -qx "WM_NAME(STRING) = \"$2\"" &&
              property "$1" _NET_WM_NAME | grep -qx "_NET_WM_NAME(UTF8_STRING) = \"$2\""; }
transient_for() { property "$1" WM_TRANSIENT_FOR | grep -qi "window id # $(printf '0x%x' "$2")\$"; }
geometry() { xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' '; }
position() { xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y)=' | tr '\n' ' '; }

# --- The skin's "Error" box: a packed skin that is none.
mkdir -p "$out/broken-skin/kestrun/Skins"
printf 'not a packed skin' >"$out/broken-skin/kestrun/Skins/autumnsky.asz"
start_kestrun "$out/broken-skin" Error
box=$(window_named Error)
check "the skin's box reads Error alone" names_are "$box" Error
check "the skin's box has no taskbar entry" has_state "$box" _NET_WM_STATE_SKIP_TASKBAR
end_kestrun TERM
check "an end signal while the skin's box is open ends it with status 0" test "$ended_with" -eq 0

# --- The main window with the carried skin.
start_kestrun "$out/no-skins" Tessaro
main=$(window_named Tessaro)
xdotool windowactivate --sync "$main" >/dev/null 2>&1
check "the main window reads Tessaro for the window manager" names_are "$main" Tessaro
check "the main window has a taskbar entry" sh -c "! xprop -id $main _NET_WM_STATE | grep -q SKIP_TASKBAR"
for action in RESIZE MAXIMIZE_HORZ MAXIMIZE_VERT; do
  check "the window manager offers no $action" lacks_action "$main" "_NET_WM_ACTION_$action"
done
# The carried skin's frame: 4 pixels on every side and a title bar of 22.
fixed="WIDTH=$((194 + 8)) HEIGHT=$((195 + 30)) "
check "the client area is 194 x 195" test "$(geometry "$main")" = "$fixed"

# Requests to stretch the window, each undone.
requests=(
  "fullscreen by wmctrl|wmctrl -i -r $main -b add,fullscreen"
  "maximise by wmctrl|wmctrl -i -r $main -b add,maximized_vert,maximized_horz"
  "resize by xdotool|xdotool windowsize $main 500 400"
  "fullscreen by icewm's Alt+F11|xdotool windowactivate --sync $main key alt+F11"
  "maximise by icewm's Alt+F10|xdotool windowactivate --sync $main key alt+F10"
)
for row in "${requests[@]}"; do
  IFS='|' read -r name command <<<"$row"
  $command >/dev/null 2>&1
  sleep 0.5
  check "$name is undone" wait_for test "$(geometry "$main")" = "$fixed"
  check "$name leaves no stretched state" sh -c "! xprop -id $main _NET_WM_STATE | grep -Eq 'FULLSCREEN|MAXIMIZED'"
done

# A bare click on the title bar starts no move: the window stays where it is while the pointer moves
# on, and keys reach it. "5", Tab, Enter: First Trade 5, then Win/Reset shows it.
at=$(position "$main")
xdotool mousemove --window "$main" 60 15 click 1
sleep 0.3
xdotool mousemove_relative 120 90
sleep 0.3
check "a bare click on the title bar moves nothing" test "$(position "$main")" = "$at"
xdotool key --delay 50 5 Tab Return
result_shown() { [ "$("$grab" "$main" "$out/after-click.png" 104 120 81 25)" -gt 0 ]; }
check "after a bare click on the title bar keys reach the window" wait_for result_shown
# A drag past the drag distance does move it.
xdotool mousemove --window "$main" 60 15 mousedown 1
sleep 0.2
for _ in 1 2 3; do xdotool mousemove_relative 15 10; sleep 0.1; done
xdotool mouseup 1
sleep 0.3
check "a drag on the title bar moves the window" test "$(position "$main")" != "$at"

# A failing press: an empty First Trade and Lost. Its box reads Tessaro, belongs to the main window
# and adds no taskbar entry.
xdotool windowactivate --sync "$main" >/dev/null 2>&1
xdotool mousemove --window "$main" $((4 + 170)) $((26 + 30)) click 1
xdotool key --delay 30 ctrl+a BackSpace
xdotool mousemove --window "$main" $((4 + 140)) $((26 + 162)) click 1
failure_box() { xdotool search --name '^Tessaro$' | grep -vx "$main" | head -n1; }
wait_for failure_box
box=$(failure_box)
if [ -n "$box" ]; then
  check "the failure box reads Tessaro" names_are "$box" Tessaro
  check "the failure box belongs to the main window" transient_for "$box" "$main"
  check "the failure box has no taskbar entry" has_state "$box" _NET_WM_STATE_SKIP_TASKBAR
  xdotool windowactivate --sync "$box" key Return
else
  fail "a failing press shows a box"
fi
end_kestrun TERM
check "an end signal ends it with status 0 (TERM)" test "$ended_with" -eq 0

# The other end signals, each from a freshly started program.
for signal in INT HUP; do
  start_kestrun "$out/no-skins" Tessaro
  end_kestrun "$signal"
  check "an end signal ends it with status 0 ($signal)" test "$ended_with" -eq 0
done
# An end signal while a failure box is open ends the box's loop as well.
start_kestrun "$out/no-skins" Tessaro
main=$(window_named Tessaro)
xdotool windowactivate --sync "$main" >/dev/null 2>&1
xdotool mousemove --window "$main" $((4 + 170)) $((26 + 30)) click 1
xdotool key --delay 30 ctrl+a BackSpace
xdotool mousemove --window "$main" $((4 + 140)) $((26 + 162)) click 1
wait_for failure_box
end_kestrun TERM
check "an end signal during a failure box ends it with status 0" test "$ended_with" -eq 0

[ "$failures" -eq 0 ] || { echo "window manager: $failures checks failed; kestrun said:"; cat "$out/kestrun.log"; exit 1; }
echo "window manager: passed"
