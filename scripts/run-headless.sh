#!/usr/bin/env bash
# Drives Talvion like a user on an X display without one: picks the virtual Varnet as output and
# input, presses "update", and saves screenshots until the update has completed.
#   run-headless.sh TALVION OUTPUT-FOLDER
set -euo pipefail
talvion="$1"
out="$2"
source "$(dirname "${BASH_SOURCE[0]}")/talvion-driver.sh"
rm -rf "$out"
mkdir -p "$out/home"

export HOME="$out/home"
export TALVION_VIRTUAL_DEVICE=varnet
export TALVION_VIRTUAL_DEVICE_LOG="$out/device.log"

"$talvion" & pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

window=$(talvion_window_id) || { echo "Talvion's window did not appear" >&2; exit 1; }
sleep 1
shot() { import -window "$window" "$out/$1.png"; echo "  $out/$1.png"; }

echo "Screenshots:"
shot 1-not-ready
talvion_choose_last_device "$window" output
talvion_choose_last_device "$window" input
shot 2-ready
talvion_press_update "$window"

talvion_wait_log "$out/device.log" 'rx F0 00 6B 2D 7F 55 51 04 F7' 60 || { echo "the upload did not end" >&2; exit 1; }
sleep 2
shot 3-updating
talvion_wait_log "$out/device.log" 'rx F0 00 6B 2D 7F 55 51 06 F7' 60 || { echo "the update was not confirmed" >&2; exit 1; }
sleep 1
shot 4-completed

echo "The device's record of the update: $out/device.log ($(wc -l < "$out/device.log") messages)"
