#!/usr/bin/env bash
# Talvion as a user meets it: a real process on an X display (Xvfb in CI).
#   process_tests.sh TALVION SEND-CLOSE-REQUEST
set -uo pipefail
talvion="$1"
send_close="$2"
work="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT

# The single-instance lock lives in the home folder; a private one keeps parallel runs apart.
export HOME="$work/home"
mkdir -p "$HOME"

# The X libraries that JUCE loads at run time keep some memory until the process ends and are
# unloaded before LeakSanitizer looks, so it reports them without a name; the exit code must
# show Talvion's own behaviour.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

source "$(dirname "${BASH_SOURCE[0]}")/../support/window-checks.sh"

# request_close ID: presses the window's close button, once the program has settled after mapping it.
request_close() { sleep 0.5; "$send_close" "$1"; }

title="Varnet version 4.02 - R1737"
"$send_close" --hold & holder=$!
sleep 0.3

# The main window: title, size, centred on the screen.
"$talvion" & pid=$!
if id=$(wait_window "$title"); then
    pass "main window titled '$title'"
    sleep 0.5
    geometry=$(xwininfo -id "$id")
    width=$(awk '/Width:/ {print $2}' <<< "$geometry")
    height=$(awk '/Height:/ {print $2}' <<< "$geometry")
    x=$(awk '/Absolute upper-left X:/ {print $4}' <<< "$geometry")
    y=$(awk '/Absolute upper-left Y:/ {print $4}' <<< "$geometry")
    read -r screen_w screen_h < <(xwininfo -root | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}')
    [ "$width" = 650 ] && [ "$height" = 400 ] && pass "650 x 400" || fail "window is ${width} x ${height}"
    [ "$x" = $(((screen_w - 650) / 2)) ] && [ "$y" = $(((screen_h - 400) / 2)) ] \
        && pass "centred" || fail "window at $x,$y on a ${screen_w} x ${screen_h} screen"

    # A second copy hands over its command line and ends at once, showing nothing.
    start=$SECONDS
    "$talvion" /nonexistent/firmware.syx & second=$!
    wait_exit $second 10
    [ "$code" = 0 ] && pass "second instance exits with 0 after $((SECONDS - start)) s" || fail "second instance exit code $code"
    sleep 0.5
    [ "$(count_windows "$title")" = 1 ] && pass "still one main window" || fail "$(count_windows "$title") main windows"
    [ "$(count_windows "File not found")" = 0 ] || fail "the second instance showed a box"

    # The close button ends the program with exit code 0.
    request_close "$id"
    wait_exit $pid 10
    [ "$code" = 0 ] && pass "close ends the program with 0" || fail "close gave exit code $code"
else
    fail "no window titled '$title'"
    kill $pid
fi

# A missing firmware file: the box first, the main window only after it is answered.
"$talvion" "$work/missing.syx" & pid=$!
if box=$(wait_window "File not found"); then
    [ "$(count_windows "$title")" = 0 ] && pass "'File not found' comes before the main window" \
        || fail "the main window is already shown beside the box"
    xdotool windowfocus "$box" 2>/dev/null; sleep 0.3
    xdotool key --clearmodifiers Return
    if id=$(wait_window "$title" 10); then
        pass "built-in firmware after the box"
        request_close "$id"
        wait_exit $pid 10
        [ "$code" = 0 ] || fail "close gave exit code $code"
    else
        fail "no main window after answering the box"
    fi
else
    fail "no 'File not found' box"
fi
kill $pid 2>/dev/null

# A SysEx file becomes the firmware: its name, version 0.00.
printf '\xf0\x01\x02\xf7' > "$work/update.syx"
"$talvion" "$work/update.syx" & pid=$!
if id=$(wait_window "update version 0.00"); then
    pass "a loaded file names the window"
    request_close "$id"
    wait_exit $pid 10
    [ "$code" = 0 ] || fail "close gave exit code $code"
else
    fail "no window titled 'update version 0.00'"
fi
kill $pid 2>/dev/null

echo "$failures failure(s)"
[ $failures = 0 ]
