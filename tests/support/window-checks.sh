# Checks of programs as X windows, shared by the process tests (sourced, not run).

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# wait_window NAME [SECONDS]: prints the id of the first visible window with exactly this name.
wait_window() {
    local deadline=$((SECONDS + ${2:-15})) id
    while [ $SECONDS -lt $deadline ]; do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

count_windows() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l; }

# wait_exit PID SECONDS: waits for the process and sets code to its exit code, 124 when it did not
# end in time (the process is then killed).
wait_exit() {
    local deadline=$((SECONDS + $2))
    while kill -0 "$1" 2>/dev/null; do
        [ $SECONDS -ge $deadline ] && { code=124; kill "$1"; wait "$1" 2>/dev/null; return; }
        sleep 0.1
    done
    wait "$1"; code=$?
}
