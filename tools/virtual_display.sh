# Sourced by scripts that need an X display of their own:
#   . tools/virtual_display.sh; start_virtual_display 1024x768x24
# starts Xvfb on a display number it picks itself (-displayfd, so that two
# runs never collide), sets DISPLAY and VIRTUAL_DISPLAY_PID, and leaves the
# offscreen platform out of the programs started after it.

start_virtual_display() {
    unset QT_QPA_PLATFORM
    virtual_display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$virtual_display_file" >/dev/null 2>&1 &
    VIRTUAL_DISPLAY_PID=$!
    tries=0
    while [ ! -s "$virtual_display_file" ] && [ $tries -lt 100 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    DISPLAY=":$(head -n 1 "$virtual_display_file")"
    rm -f "$virtual_display_file"
    export DISPLAY VIRTUAL_DISPLAY_PID
    [ "$DISPLAY" != ":" ]
}
