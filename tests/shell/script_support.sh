# SPDX-FileCopyrightText: 2026 The kestrun developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# What the test scripts of the real program share; sourced, not run.

# shellcheck source=wait_for.sh
source "$(dirname "${BASH_SOURCE[0]}")/wait_for.sh"

# Named checks: each prints PASS or FAIL and counts the failures in $failures.
failures=0
pass() { echo "PASS: $*"; }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() {
  local name=$1
  shift
  if "$@"; then pass "$name"; else fail "$name"; fi
}

# Sends SIGNAL to the child PID and waits up to ~10 s for it to end (then kills it); its exit status
# goes to $ended_with.
ended_with=
end_by_signal() {
  local signal=$1 pid=$2
  kill -s "$signal" "$pid"
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then
    echo "the program did not end on SIG$signal" >&2
    kill -KILL "$pid"
  fi
  ended_with=0
  wait "$pid" || ended_with=$?
}
