#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The kestrun developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# kestrun's command line and its start without a usable display, each case a row of the table below:
# the exit status, what standard output and standard error must hold, and that standard error holds at
# most one line. None of these cases may open a window or abort.
#   command_line.sh KESTRUN VERSION
set -uo pipefail

kestrun=$(realpath "$1")
version=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
failures=0

# name | environment | arguments | status | stdout pattern | stderr pattern ('' = empty)
cases=(
  "help without a display|-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM|--help|0|^Usage: kestrun|"
  "help beside Qt options|DISPLAY=:nonexistent|-platform xcb --help|0|Exit status:|"
  "short help|DISPLAY=:nonexistent|-h|0|Skin directory:|"
  "version without a display|-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM|--version|0|^kestrun ${version}\$|"
  "an X display that cannot be opened|DISPLAY=:nonexistent QT_QPA_PLATFORM=xcb||1||^kestrun: cannot open the X display ':nonexistent'"
  "an X display chosen by default|-u QT_QPA_PLATFORM -u XDG_SESSION_TYPE DISPLAY=:nonexistent||1||^kestrun: cannot open the X display ':nonexistent'"
  "a Qt -display option that cannot be opened|DISPLAY=:nonexistent|-platform xcb -display :alsonot|1||^kestrun: cannot open the X display ':alsonot'"
  "a Wayland display that is not there|QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=kestrun-nowhere XDG_RUNTIME_DIR=$out||1||^kestrun: cannot reach the Wayland display 'kestrun-nowhere'"
  "no platform plugin can start|QT_QPA_PLATFORM=kestrun-nonexistent||1||^kestrun: no Qt platform could open the window"
  "no display at all|-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM||1||^kestrun: no display"
)

for row in "${cases[@]}"; do
  IFS='|' read -r name environment arguments status stdout_pattern stderr_pattern <<<"$row"
  # shellcheck disable=SC2086 # the environment and the arguments are word lists
  (cd "$out" && ulimit -c 0 && timeout 20 env $environment "$kestrun" $arguments >"$out/stdout" 2>"$out/stderr")
  rc=$?
  problem=
  [ "$rc" -eq "$status" ] || problem="exit status $rc, not $status"
  if [ -z "$stdout_pattern" ]; then
    [ -s "$out/stdout" ] && problem="$problem; unexpected output"
  else
    grep -q -- "$stdout_pattern" "$out/stdout" || problem="$problem; no output matching $stdout_pattern"
  fi
  if [ -z "$stderr_pattern" ]; then
    [ -s "$out/stderr" ] && problem="$problem; unexpected standard error"
  else
    [ "$(wc -l <"$out/stderr")" -eq 1 ] || problem="$problem; standard error is not one line"
    grep -q -- "$stderr_pattern" "$out/stderr" || problem="$problem; standard error does not match $stderr_pattern"
  fi
  ls "$out"/core* >/dev/null 2>&1 && problem="$problem; a core file was left"
  if [ -n "$problem" ]; then
    echo "FAIL: $name: ${problem#; }"
    sed 's/^/  stdout: /' "$out/stdout"
    sed 's/^/  stderr: /' "$out/stderr"
    failures=$((failures + 1))
  else
    echo "PASS: $name"
  fi
done

[ "$failures" -eq 0 ]
