#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The kestrun developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The real window on scaled screens, in its own Xvfb: for each way a desktop asks for a scale (Qt's
# scale factor, a per-screen factor, Xft.dpi) the window and its size hints grow by the scale, and the
# text in both edit fields is drawn at the scaled size, the two Payout digits without a gap between them.
# Compares pictures of the real window with those taken at 1x.
#   scaled_window_test.sh KESTRUN KESTRUN_X_GRAB OUTPUT_FOLDER
set -euo pipefail

kestrun=$1
grab=$2
out=$3
mkdir -p "$out"

fail() { echo "scaled window: $*" >&2; exit 1; }
for tool in Xvfb xdotool xprop; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is missing (tools/setup-debian installs it)"; exit 77; }
done

. "$(dirname "$0")/../x_server.sh"
# The server does not reset between clients, so the Xft.dpi setting below outlives the runs.
start_x_server "$out" -screen 0 800x600x24
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING

# Whole numbers from a product of decimals: "ratio 1.25 202" prints 252.5 rounded to 253 (awk).
times() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%d", a * b + 0.5 }'; }
within() {  # within VALUE LOW HIGH
  awk -v v="$1" -v lo="$2" -v hi="$3" 'BEGIN { exit !(v >= lo && v <= hi) }'
}

# Starts the program with the given environment, moves the focus off the First Trade field (so that no
# caret or selection is drawn in it) and measures. Prints: width height hints "ink h w gaps" for
# the Payout field and for the First Trade field.
measure() {  # measure NAME SCALE [VAR=VALUE...]
  local name=$1 scale=$2
  shift 2
  env "$@" "$kestrun" 2>"$out/$name.log" &
  kestrun_pid=$!
  wait_for xdotool search --onlyvisible --name '^Tessaro$' || fail "$name: no window: $(cat "$out/$name.log")"
  local window
  window=$(xdotool search --onlyvisible --name '^Tessaro$' | head -n1)
  xdotool windowfocus --sync "$window"
  sleep 0.3
  xdotool key --delay 60 Tab
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$window")"
  # Window pixels of a rectangle given in the client area at 1x (the skin's frame: 4 around, title 22).
  rect() { echo "$(times "$scale" $((4 + $1))) $(times "$scale" $((26 + $2))) $(times "$scale" "$3") $(times "$scale" "$4")"; }
  pers=$("$grab" "$window" "$out/$name.png" $(rect 102 47 76 17) --extent)
  trade=$("$grab" "$window" "$out/$name.png" $(rect 102 22 77 17) --extent)
  hints=$(xprop -id "$window" WM_NORMAL_HINTS)
  kill "$kestrun_pid"
  wait "$kestrun_pid" 2>/dev/null || true
  kestrun_pid=
  echo "$WIDTH $HEIGHT"
  echo "$pers"
  echo "$trade"
  echo "$hints" | sed -n 's/.*minimum size: \([0-9]*\) by \([0-9]*\).*/min \1 \2/p; s/.*maximum size: \([0-9]*\) by \([0-9]*\).*/max \1 \2/p' | tr '\n' ' '
  echo
}

{ read -r w1 h1; read -r _ pers_h1 _ pers_gaps1; read -r _ trade_h1 _ _; read -r _; } < <(measure 1x 1)
[ "$w1" -eq 202 ] && [ "$h1" -eq 225 ] || fail "1x: the window is ${w1}x${h1}, not 202x225"
[ "$pers_h1" -gt 4 ] && [ "$trade_h1" -gt 4 ] || fail "1x: no text found in the fields ($pers_h1, $trade_h1)"
echo "scaled window: 1x: Payout digits ${pers_h1} px high with $pers_gaps1 blank columns, First Trade digit ${trade_h1} px"

# name, scale, environment (Xft.dpi is set on the X server itself).
cases=(
  "qt-scale-2|2|QT_SCALE_FACTOR=2"
  "qt-scale-1.5|1.5|QT_SCALE_FACTOR=1.5"
  "qt-scale-1.25|1.25|QT_SCALE_FACTOR=1.25"
  "screen-scale-2|2|QT_SCREEN_SCALE_FACTORS=2"
  "xft-dpi-192|2|XFT_DPI=192"
)
for case in "${cases[@]}"; do
  IFS='|' read -r name scale setting <<<"$case"
  if [ "${setting%%=*}" = XFT_DPI ]; then
    xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	${setting#*=}"
    setting=KESTRUN_UNUSED=1
  fi
  { read -r w h; read -r _ pers_h _ pers_gaps; read -r _ trade_h _ _; read -r hints; } < <(measure "$name" "$scale" "$setting")
  xprop -root -remove RESOURCE_MANAGER
  want_w=$(times "$scale" 202) want_h=$(times "$scale" 225)
  within "$w" $((want_w - 1)) $((want_w + 1)) && within "$h" $((want_h - 1)) $((want_h + 1)) \
    || fail "$name: the window is ${w}x${h}, not about ${want_w}x${want_h}"
  [ "$hints" = "min $w $h max $w $h" ] || fail "$name: the size hints ($hints) are not the window's size ${w}x${h}"
  # The ink of the digits grows with the scale (another face, so within a quarter either way).
  for field in pers trade; do
    eval "base=\$${field}_h1 got=\$${field}_h"
    within "$got" "$(awk -v s="$scale" -v b="$base" 'BEGIN { print 0.75 * s * b }')" \
                  "$(awk -v s="$scale" -v b="$base" 'BEGIN { print 1.25 * s * b }')" \
      || fail "$name: the $field text is $got px high; at 1x it is $base px"
  done
  within "$pers_gaps" 0 "$(awk -v s="$scale" -v g="$pers_gaps1" 'BEGIN { print s * (g + 1) }')" \
    || fail "$name: $pers_gaps blank columns between the Payout digits; at 1x $pers_gaps1"
  echo "scaled window: $name: ${w}x${h}, Payout digits ${pers_h} px high with $pers_gaps blank columns, First Trade digit ${trade_h} px"
done
echo "scaled window: passed; pictures in $out"
