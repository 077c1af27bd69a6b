#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The kestrun developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A normal start in a normal X session without a compositing manager: the program writes nothing on
# standard error. With the program's debug messages turned on, it says why the window has no extended
# border, so the message is still there for whoever asks for it.
#   quiet_start.sh KESTRUN OUTPUT_FOLDER
set -euo pipefail

kestrun=$1
out=$2
mkdir -p "$out"

fail() { echo "quiet start: $*" >&2; exit 1; }
. "$(dirname "$0")/x_server.sh"
start_x_server "$out" -screen 0 640x480x24
unset QT_LOGGING_RULES

# What a desktop session gives every program: a runtime folder of its own and a home.
mkdir -p "$out/runtime" "$out/home"
chmod 700 "$out/runtime"
session=(env QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$out/runtime" HOME="$out/home")

start_and_close() {  # start_and_close LOG [VARIABLE=VALUE...]: runs the program until its window shows
  local log=$1
  shift
  "${session[@]}" "$@" "$kestrun" 2>"$log" &
  kestrun_pid=$!
  wait_for xdotool search --onlyvisible --name '^Tessaro$' || fail "no window titled Tessaro: $(cat "$log")"
  sleep 1  # what the program has to say at start-up, it says by now
  kill "$kestrun_pid"
  wait "$kestrun_pid" 2>/dev/null || true
  kestrun_pid=
}

start_and_close "$out/quiet.log"
[ ! -s "$out/quiet.log" ] || fail "a normal start wrote on standard error:
$(cat "$out/quiet.log")"

start_and_close "$out/debug.log" QT_LOGGING_RULES="kestrun.*.debug=true"
grep -q "kestrun.skin: the window has no extended border: no compositing manager runs" "$out/debug.log" \
  || fail "with kestrun.*.debug=true the program did not say why the window has no extended border:
$(cat "$out/debug.log")"
grep -q 'kestrun.skin: the skin "autumnsky (internal)" is taken from the program' "$out/debug.log" \
  || fail "with kestrun.*.debug=true the program did not say which skin it took:
$(cat "$out/debug.log")"
echo "quiet start: nothing on standard error; the debug messages come when asked for"
