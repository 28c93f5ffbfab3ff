#!/bin/sh
# Developer tool: shows the program on a virtual X display with a window
# manager and saves a picture of its window, frame included.
#   tools/screenshot.sh output.png [scale-factor]
# Needs xvfb, openbox, xdotool, xwininfo and xprop; the program and screen_grab must be
# built in build/.
set -eu
out=${1:?usage: tools/screenshot.sh output.png [scale-factor]}
scale=${2:-1}
here=$(cd "$(dirname "$0")/.." && pwd)
display=:$((90 + $$ % 9))
export DISPLAY=$display

Xvfb "$display" -screen 0 "$((800 * scale))x$((500 * scale))x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=""
wm=""
trap 'kill $app $wm $xvfb 2>/dev/null || true' EXIT
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
QT_SCALE_FACTOR=$scale "$here/build/window/dewpoint-converter" >/dev/null 2>&1 &
app=$!
window=$(xdotool search --sync --name 'Dewpoint @ Atmosphere' | head -n 1)
sleep 2
info=$(xwininfo -id "$window")
X=$(echo "$info" | sed -n 's/.*Absolute upper-left X: *//p')
Y=$(echo "$info" | sed -n 's/.*Absolute upper-left Y: *//p')
WIDTH=$(echo "$info" | sed -n 's/.*Width: *//p')
HEIGHT=$(echo "$info" | sed -n 's/.*Height: *//p')
# _NET_FRAME_EXTENTS: left, right, top, bottom
set -- $(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
"$here/build/tools/screen_grab" "$out" $((X - $1)) $((Y - $3)) $((WIDTH + $1 + $2)) $((HEIGHT + $3 + $4))
