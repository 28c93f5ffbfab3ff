#!/bin/sh
# Developer tool: shows the program on a virtual X display with a window
# manager and saves a picture of its window, frame included.
#   tools/screenshot.sh output.png [scale-factor] [environment assignments...]
# e.g. tools/screenshot.sh dark.png 1 QT_QPA_PLATFORMTHEME=qt6ct LANGUAGE=de
# Needs xvfb, openbox, xdotool, xwininfo and xprop (make screenshots installs
# them); the program and screen_grab must be built in build/.
set -eu
out=${1:?usage: tools/screenshot.sh output.png [scale-factor] [NAME=value...]}
scale=${2:-1}
[ $# -ge 2 ] && shift 2 || shift $#
here=$(cd "$(dirname "$0")/.." && pwd)
. "$here/tools/virtual_display.sh"

width=$(awk "BEGIN { print int(800 * $scale) }")
height=$(awk "BEGIN { print int(500 * $scale) }")
start_virtual_display "${width}x${height}x24"
app=""
wm=""
trap 'kill $app $wm $VIRTUAL_DISPLAY_PID 2>/dev/null || true' EXIT
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
env QT_SCALE_FACTOR="$scale" "$@" "$here/build/window/dewpoint-converter" >/dev/null 2>&1 &
app=$!
window=$(xdotool search --sync --onlyvisible --classname dewpoint-converter | head -n 1)
# Wait until the window manager has framed it.
tries=0
until xprop -id "$window" _NET_FRAME_EXTENTS | grep -q '='; do
    [ $tries -lt 50 ] || { echo "screenshot: the window was not framed" >&2; exit 1; }
    sleep 0.2
    tries=$((tries + 1))
done
sleep 1
info=$(xwininfo -id "$window")
X=$(echo "$info" | sed -n 's/.*Absolute upper-left X: *//p')
Y=$(echo "$info" | sed -n 's/.*Absolute upper-left Y: *//p')
WIDTH=$(echo "$info" | sed -n 's/.*Width: *//p')
HEIGHT=$(echo "$info" | sed -n 's/.*Height: *//p')
# _NET_FRAME_EXTENTS: left, right, top, bottom
set -- $(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
"$here/build/tools/screen_grab" "$out" $((X - $1)) $((Y - $3)) $((WIDTH + $1 + $2)) $((HEIGHT + $3 + $4))
