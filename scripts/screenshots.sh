#!/usr/bin/env bash
# Takes the pictures of Talvion on Linux that the README shows, on a private X server: the main
# window not ready, ready, during an update, after it completed, after a failed update and with
# the output list open, and the help window. Needs the release build of the run command.
#   screenshots.sh [OUTPUT-FOLDER]      (docs/ by default)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
out="$(realpath -m "${1:-docs}")"
talvion="$PWD/build/release/Talvion_artefacts/Release/Talvion"
[ -x "$talvion" ] || { echo "screenshots: $talvion is missing: run scripts/run.sh first" >&2; exit 1; }

if [ -z "${TALVION_SCREENSHOTS_DISPLAY:-}" ]; then
    TALVION_SCREENSHOTS_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$out"
fi

source scripts/talvion-driver.sh
work="$PWD/build/screenshots"
mkdir -p "$out"

echo "A whole update:"
bash scripts/run-headless.sh "$talvion" "$work/update" > /dev/null
for pair in 1-not-ready:main 2-ready:ready 3-updating:updating 4-completed:completed; do
    cp "$work/update/${pair%%:*}.png" "$out/screenshot-${pair#*:}.png"
    echo "  $out/screenshot-${pair#*:}.png"
done

# start_talvion BEHAVIOUR: a fresh Talvion with the virtual Varnet behaving so; sets pid and window.
start_talvion() {
    rm -rf "$work/$1"
    mkdir -p "$work/$1/home"
    HOME="$work/$1/home" TALVION_VIRTUAL_DEVICE="$1" TALVION_VIRTUAL_DEVICE_LOG="$work/$1/device.log" \
        "$talvion" & pid=$!
    window=$(talvion_window_id) || { echo "screenshots: Talvion's window did not appear" >&2; exit 1; }
    sleep 1
}

stop_talvion() { kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; }
trap stop_talvion EXIT

echo "A failed update (a device that never answers), the output list and the help window:"
start_talvion silent
talvion_choose_last_device "$window" output
talvion_choose_last_device "$window" input
talvion_press_update "$window"

# The tenth unanswered status query is followed by a second of waiting, then the error text.
deadline=$((SECONDS + 60))
until [ "$(grep -c 'rx F0 00 6B 2D 7F 55 51 05 F7' "$work/silent/device.log" 2>/dev/null)" = 10 ]; do
    [ $SECONDS -lt $deadline ] || { echo "screenshots: the status queries did not come" >&2; exit 1; }
    sleep 0.2
done
sleep 2
import -window "$window" "$out/screenshot-error.png"
echo "  $out/screenshot-error.png"

# The list is a window of its own over the main one: the picture is of the screen there.
talvion_click "$window" 325 170
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$out/screenshot-device-list.png"
echo "  $out/screenshot-device-list.png"
xdotool key Escape
sleep 0.5

talvion_click "$window" 590 47
help=$(xdotool search --onlyvisible --name 'Varnet.*help' | head -n 1)
[ -n "$help" ] || { echo "screenshots: the help window did not appear" >&2; exit 1; }
import -window "$help" "$out/screenshot-help.png"
echo "  $out/screenshot-help.png"
