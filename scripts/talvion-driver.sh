# Drives a running Talvion window on an X display the way a user would. Sourced by the run
# command and by the process tests.
#
# Positions are inside the main window: a 4-pixel border and a 26-pixel title bar frame the
# content, whose device area starts 105 pixels below its top.

# talvion_window_id [SECONDS]: prints the id of Talvion's main window once it is shown.
talvion_window_id() {
    local deadline=$((SECONDS + ${1:-20})) id
    while [ $SECONDS -lt $deadline ]; do
        id=$(xdotool search --onlyvisible --name ' version [0-9]+\.[0-9][0-9]' 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

talvion_click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.5; }

# talvion_choose_last_device WINDOW output|input: opens the list and picks its last entry, where
# the virtual Varnet stands after any real devices.
talvion_choose_last_device() {
    local y=170
    [ "$2" = input ] && y=220
    talvion_click "$1" 325 $y
    xdotool key Up Return
    sleep 0.5
}

# talvion_press_update WINDOW [file]: the button sits 55 pixels higher when a loaded firmware file
# leaves out the minimum-version warning.
talvion_press_update() {
    if [ "${2:-}" = file ]; then talvion_click "$1" 589 310; else talvion_click "$1" 589 365; fi
}

# talvion_wait_log FILE PATTERN SECONDS: waits until the device log holds a line matching PATTERN.
talvion_wait_log() {
    local deadline=$((SECONDS + $3))
    until grep -q "$2" "$1" 2>/dev/null; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}
