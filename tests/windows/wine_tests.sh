#!/usr/bin/env bash
# Talvion.exe as a Windows user meets it, under Wine in a fresh prefix on a private X server.
#   wine_tests.sh TALVION_EXE WORK_DIR
set -uo pipefail
exe="$1"
work="$(realpath -m "$2")"

if [ ! -f "$exe" ]; then
    echo "FAIL: $exe does not exist: build it with scripts/build-windows.sh" >&2
    exit 1
fi

rm -rf "$work"
mkdir -p "$work"

cleanup() {
    wineserver -k > /dev/null 2>&1
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT

# A display of our own, so that no other test's window can answer a search by title.
exec 3> "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp > "$work/xvfb.log" 2>&1 & xvfb=$!
exec 3>&-
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "FAIL: Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(cat "$work/display")"

# A fresh prefix, quiet, without the prompts for Mono and Gecko; the exe runs from drive C: as an
# installed copy would. Without Wine's debugger a crash ends the process at once, with a non-zero
# exit code, instead of leaving it waiting.
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
start=$SECONDS
wineboot -i > "$work/wineboot.log" 2>&1 || { echo "FAIL: wineboot"; cat "$work/wineboot.log"; exit 1; }
wineserver -w
# One server for every start below, instead of one started and stopped for each.
wineserver -p
# No window manager runs on this X server. Wine's windows default to managed ones, and before it
# unmaps one Wine waits up to 2 s for a window manager to have set its state; that wait, for the
# main window and each of its four drop-shadow windows, would hold a close up for 10 s.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f > "$work/reg.log" 2>&1 \
    || { echo "FAIL: Wine's X11 driver settings"; cat "$work/reg.log"; exit 1; }
echo "prefix ready in $((SECONDS - start)) s"
program="$WINEPREFIX/drive_c/Talvion/Talvion.exe"
mkdir -p "$(dirname "$program")"
cp "$exe" "$program"

source "$(dirname "${BASH_SOURCE[0]}")/../support/window-checks.sh"

# Without an update running a close ends the program at once (well under a second here); the
# limit leaves room for a loaded machine.
close_limit=5

# window_size ID: prints the window's width and height as X sees them.
window_size() { xwininfo -id "$1" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}'; }

# press_close ID: clicks the close button. JUCE draws the title bar itself: 26 pixels high inside a
# 4-pixel border, buttons 23 wide, the close button the rightmost with a quarter of its width to
# spare; its disc's centre is 21 pixels from the window's right edge and 17 from its top.
press_close() {
    local width height
    read -r width height < <(window_size "$1")
    sleep 0.5
    xdotool mousemove --window "$1" $((width - 21)) 17 click 1
}

# run_talvion [ARGS...]: starts the exe from its folder, as Windows' shell would.
run_talvion() {
    (cd "$(dirname "$program")" && exec wine "$program" "$@") >> "$work/talvion.log" 2>&1 &
    pid=$!
}

title="Varnet version 4.02 - R1737"

# The main window: its title and size, a second start that hands over and ends, the close button.
run_talvion
if id=$(wait_window "$title" 60); then
    pass "main window titled '$title'"
    sleep 0.5
    read -r width height < <(window_size "$id")
    [ "$width" = 650 ] && [ "$height" = 400 ] && pass "650 x 400" || fail "window is ${width} x ${height}"

    start=$SECONDS
    (cd "$(dirname "$program")" && exec wine "$program") >> "$work/talvion.log" 2>&1 & second=$!
    wait_exit $second 15
    [ "$code" = 0 ] && pass "second start exits with 0 after $((SECONDS - start)) s" \
        || fail "second start gave exit code $code"
    sleep 1
    [ "$(count_windows "$title")" = 1 ] && pass "still one main window" \
        || fail "$(count_windows "$title") main windows after the second start"

    press_close "$id"
    start=$SECONDS
    wait_exit $pid $close_limit
    [ "$code" = 0 ] && pass "the close button ends the program with 0 after $((SECONDS - start)) s" \
        || fail "close gave exit code $code"
else
    fail "no window titled '$title'"
    kill $pid 2>/dev/null
fi

# A missing firmware file: the box first, the main window only once it is answered.
run_talvion 'C:\Talvion\missing.syx'
if box=$(wait_window "File not found" 30); then
    sleep 0.5
    [ "$(count_windows "$title")" = 0 ] && pass "'File not found' comes before the main window" \
        || fail "the main window is already shown beside the box"
    xdotool windowfocus "$box" 2>/dev/null
    sleep 0.3
    xdotool key --clearmodifiers Return
    if id=$(wait_window "$title" 15); then
        pass "built-in firmware once the box is answered"
        # The window is shown while the box's modal loop unwinds; a click before it settles is lost.
        sleep 1
        press_close "$id"
        wait_exit $pid $close_limit
        [ "$code" = 0 ] || fail "close after the box gave exit code $code"
    else
        fail "no main window after answering the box"
    fi
else
    fail "no 'File not found' box"
fi
kill $pid 2>/dev/null

# A SysEx file becomes the firmware: the window is named after it, version 0.00.
printf '\xf0\x01\x02\xf7' > "$WINEPREFIX/drive_c/Talvion/update.syx"
run_talvion 'C:\Talvion\update.syx'
if id=$(wait_window "update version 0.00" 30); then
    pass "a loaded file names the window"
    press_close "$id"
    wait_exit $pid $close_limit
    [ "$code" = 0 ] || fail "close with a loaded file gave exit code $code"
else
    fail "no window titled 'update version 0.00'"
fi
kill $pid 2>/dev/null

if [ $failures != 0 ]; then
    echo "--- Wine's output:"
    tail -n 40 "$work/talvion.log"
fi
echo "$failures failure(s)"
[ $failures = 0 ]
