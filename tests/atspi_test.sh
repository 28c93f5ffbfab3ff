#!/bin/sh
# Runs the program on a virtual display with a real accessibility bus and
# checks it the way a screen reader sees it, through AT-SPI.
#   atspi_test.sh <program> <check script>
# Exits 77 (test skipped) where the accessibility packages are missing.
set -u
program=$1
check=$2

for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is missing"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is missing"; exit 77; }

export PROGRAM="$program" CHECK="$check" HELPERS="$(cd "$(dirname "$0")/../tools" && pwd)"
exec dbus-run-session -- sh -c '
    . "$HELPERS/virtual_display.sh"
    start_virtual_display 1024x768x24 || { echo "Xvfb did not start"; exit 1; }
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    bus=$!
    sleep 1
    # The toolkit serves AT-SPI when it finds a screen reader or is told to.
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$PROGRAM" >/dev/null 2>&1 &
    app=$!
    /usr/bin/python3 "$CHECK"
    status=$?
    kill "$app" "$bus" "$VIRTUAL_DISPLAY_PID" 2>/dev/null
    exit $status
'
