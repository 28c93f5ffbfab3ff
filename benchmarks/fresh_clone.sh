#!/bin/sh
# Times what a newcomer waits for: `make run` and `make test` in a fresh
# clone of this commit, with the packages already installed, and the load
# of the machine when each started (the figures mean little on a busy one).
#   fresh_clone.sh          prints fresh_make_run_s, fresh_make_test_s and their loads
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
git clone -q "$root" "$work/clone"
cd "$work/clone"

load() { cut -d' ' -f1 /proc/loadavg; }
seconds() { date +%s.%N; }

# make run without a display builds the window and stops where it would open
# it (exit 1); the window itself is mapped about 30 ms later (start-up below).
echo "fresh_make_run_load $(load)"
start=$(seconds)
env -u DISPLAY -u WAYLAND_DISPLAY make run >"$work/run.log" 2>&1 || grep -q 'The program is built' "$work/run.log"
echo "fresh_make_run_s $(awk "BEGIN { print $(seconds) - $start }")"

echo "fresh_make_test_load $(load)"
start=$(seconds)
make test >"$work/test.log" 2>&1 || { tail -20 "$work/test.log"; exit 1; }
echo "fresh_make_test_s $(awk "BEGIN { print $(seconds) - $start }")"
