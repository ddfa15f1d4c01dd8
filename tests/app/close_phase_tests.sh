#!/usr/bin/env bash
# Closing Talvion's window in every phase of an update ends the process within 7.5 s with exit
# code 0: no hang, no crash.
#   close_phase_tests.sh TALVION SEND-CLOSE-REQUEST REPO-ROOT
set -uo pipefail
talvion="$1"
send_close="$2"
source "$3/scripts/talvion-driver.sh"
work="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export HOME="$work/home"
mkdir -p "$HOME"
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

"$send_close" --hold &
sleep 0.3

failures=0
data=' rx F0 00 6B 2D 7F 55 51 03 '
data_messages() { grep -c "$data" "$TALVION_VIRTUAL_DEVICE_LOG" 2>/dev/null || true; }

# close_during PHASE BEHAVIOUR RATE WAIT-COMMAND [FIRMWARE-FILE]
close_during() {
    local phase="$1"
    export TALVION_VIRTUAL_DEVICE="$2" TALVION_VIRTUAL_DEVICE_RATE="$3"
    export TALVION_VIRTUAL_DEVICE_LOG="$work/$phase.log"
    "$talvion" ${5:+"$5"} & local pid=$!
    local window
    if ! window=$(talvion_window_id); then
        echo "FAIL: $phase: no window"; failures=$((failures + 1)); kill $pid; return
    fi
    sleep 0.5
    talvion_choose_last_device "$window" output
    talvion_choose_last_device "$window" input
    talvion_press_update "$window" ${5:+file}

    if ! eval "$4"; then
        echo "FAIL: $phase: the update never got there"; failures=$((failures + 1)); kill $pid; wait $pid; return
    fi

    local messages_at_close
    messages_at_close=$(wc -l < "$TALVION_VIRTUAL_DEVICE_LOG")
    local start; start=$(date +%s%N)
    "$send_close" "$window"
    while kill -0 $pid 2>/dev/null && [ $((($(date +%s%N) - start) / 1000000)) -lt 10000 ]; do sleep 0.05; done
    local ms=$((($(date +%s%N) - start) / 1000000))

    if kill -0 $pid 2>/dev/null; then
        echo "FAIL: $phase: still running ${ms} ms after the close"; failures=$((failures + 1)); kill -9 $pid; wait $pid
        return
    fi
    wait $pid; local code=$?
    if [ $code = 0 ] && [ $ms -le 7500 ]; then
        echo "ok: $phase: ended with 0 in ${ms} ms (after $messages_at_close device messages)"
    else
        echo "FAIL: $phase: exit code $code after ${ms} ms"; failures=$((failures + 1))
    fi
}

first_section='until [ "$(data_messages)" -ge 200 ]; do sleep 0.1; done; [ "$(data_messages)" -lt 16000 ]'
second_section='until [ "$(data_messages)" -ge 17000 ]; do sleep 0.1; done; ! grep -q "rx F0 00 6B 2D 7F 55 51 04 F7$" "$TALVION_VIRTUAL_DEVICE_LOG"'
burn='talvion_wait_log "$TALVION_VIRTUAL_DEVICE_LOG" " rx F0 00 6B 2D 7F 55 51 04 F7" 60 && sleep 1'
status='talvion_wait_log "$TALVION_VIRTUAL_DEVICE_LOG" " rx F0 00 6B 2D 7F 55 51 05 F7" 60 && sleep 0.7'
generic='talvion_wait_log "$TALVION_VIRTUAL_DEVICE_LOG" " rx F0 01 " 20 && sleep 0.5'

close_during first-section  varnet 100000 "$first_section"
close_during second-section varnet 100000 "$second_section"
close_during burn           varnet ""     "$burn"
close_during status-query   silent ""     "$status"

for i in $(seq 40); do printf '\xf0\x01\x02\x03\xf7'; done > "$work/messages.syx"
close_during generic-upload varnet "" "$generic" "$work/messages.syx"

echo "$failures failure(s)"
[ $failures = 0 ]
