#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The kestrun developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real program on Wayland, in a headless weston of its own: the titles it gives its windows (read
# from the Wayland requests it sends), the fixed size it announces, and the end by SIGTERM, also while
# the skin's box is open.
#   wayland_titles.sh KESTRUN OUTPUT_FOLDER
set -uo pipefail

kestrun=$1
out=$2
rm -rf "$out"
mkdir -p "$out"

die() { echo "wayland: $*" >&2; exit 1; }
command -v weston >/dev/null || die "weston is missing (tools/setup-debian installs it)"
# shellcheck source=script_support.sh
source "$(dirname "$0")/script_support.sh"

# A private runtime folder and socket, so that nothing meets another compositor.
export XDG_RUNTIME_DIR="$out/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export WAYLAND_DISPLAY=kestrun-test
weston_pid=
kestrun_pid=
cleanup() {
  [ -n "$kestrun_pid" ] && kill -KILL "$kestrun_pid" 2>/dev/null
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null
  true
}
trap cleanup EXIT
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 >"$out/weston.log" 2>&1 &
weston_pid=$!
wait_for test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || die "weston did not start: $(cat "$out/weston.log")"
unset DISPLAY
export QT_QPA_PLATFORM=wayland

# Runs kestrun with the skins of DATA_HOME until its requests hold PATTERN, then ends it with SIGTERM;
# its requests go to $out/NAME.log and its exit status to $ended_with.
run_until() {
  local name=$1 data_home=$2 pattern=$3
  WAYLAND_DEBUG=client XDG_DATA_HOME=$data_home "$kestrun" >"$out/$name.log" 2>&1 &
  kestrun_pid=$!
  wait_for grep -q "$pattern" "$out/$name.log" || fail "$name: no request matching $pattern"
  end_by_signal TERM "$kestrun_pid"
  kestrun_pid=
}
titles() { sed -n 's/.*xdg_toplevel@[0-9]*\.set_title("\(.*\)").*/\1/p' "$out/$1.log"; }

mkdir -p "$out/broken-skin/kestrun/Skins"
printf 'not a packed skin' >"$out/broken-skin/kestrun/Skins/autumnsky.asz"
run_until skin-box "$out/broken-skin" 'set_title("Error")'
check "the skin's box reads Error alone" test "$(titles skin-box)" = "Error"
check "SIGTERM while the skin's box is open ends it with status 0" test "$ended_with" -eq 0

run_until main-window "$out/no-skins" 'set_title("Tessaro")'
check "the main window reads Tessaro" test "$(titles main-window)" = "Tessaro"
min=$(sed -n 's/.*xdg_toplevel@[0-9]*\.set_min_size(\(.*\)).*/\1/p' "$out/main-window.log" | tail -n1)
max=$(sed -n 's/.*xdg_toplevel@[0-9]*\.set_max_size(\(.*\)).*/\1/p' "$out/main-window.log" | tail -n1)
check "the main window announces one size ($min)" test -n "$min" -a "$min" = "$max"
check "SIGTERM ends it with status 0" test "$ended_with" -eq 0

[ "$failures" -eq 0 ] || { echo "wayland: $failures checks failed"; exit 1; }
echo "wayland: passed"
