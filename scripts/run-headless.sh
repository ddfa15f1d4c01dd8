#!/usr/bin/env bash
# Drives Talvion like a user on an X display without one: picks the virtual Varnet as output and
# input, presses "update", and saves screenshots until the update has completed.
#   run-headless.sh TALVION OUTPUT-FOLDER
set -euo pipefail
talvion="$1"
out="$2"
rm -rf "$out"
mkdir -p "$out/home"

export HOME="$out/home"
export TALVION_VIRTUAL_DEVICE=varnet
export TALVION_VIRTUAL_DEVICE_LOG="$out/device.log"

"$talvion" & pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Varnet version' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "Talvion's window did not appear" >&2; exit 1; }
sleep 1

shot() { import -window "$window" "$out/$1.png"; echo "  $out/$1.png"; }

# Positions inside the window: a 4-pixel border and a 26-pixel title bar frame the content; the
# selectors sit in the device area 105 pixels below the content's top.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.5; }
choose_last_device() {
    click 325 "$1"
    xdotool key Up Return
    sleep 0.5
}

echo "Screenshots:"
shot 1-not-ready
choose_last_device 170
choose_last_device 220
shot 2-ready
click 589 365

deadline=$((SECONDS + 60))
until grep -q 'rx F0 00 6B 2D 7F 55 51 05 F7' "$out/device.log" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || { echo "the update did not reach its status query" >&2; exit 1; }
    [ -z "${during:-}" ] && grep -q 'rx F0 00 6B 2D 7F 55 51 04 F7' "$out/device.log" 2>/dev/null && { shot 3-updating; during=1; }
    sleep 0.2
done
until grep -q 'rx F0 00 6B 2D 7F 55 51 06 F7' "$out/device.log" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] || { echo "the update was not confirmed" >&2; exit 1; }
    sleep 0.2
done
sleep 1
shot 4-completed

echo "The device's record of the update: $out/device.log ($(wc -l < "$out/device.log") messages)"
