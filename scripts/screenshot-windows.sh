#!/usr/bin/env bash
# Takes docs/screenshot-windows.png: the cross-built Talvion.exe under Wine on a private X server,
# its main window as X shows it.
#   screenshot-windows.sh [OUTPUT.png]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
output="$(realpath -m "${1:-docs/screenshot-windows.png}")"
exe="$PWD/build/win64/Talvion_artefacts/Release/Talvion.exe"
work="$PWD/build/win64-screenshot"
[ -f "$exe" ] || { echo "screenshot-windows: $exe is missing: run scripts/build-windows.sh" >&2; exit 1; }
mkdir -p "$work" "$(dirname "$output")"

cleanup() {
    wineserver -k > /dev/null 2>&1 || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null || true
}
trap cleanup EXIT

rm -f "$work/display"
exec 3> "$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp > "$work/xvfb.log" 2>&1 & xvfb=$!
exec 3>&-
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "screenshot-windows: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"

# The prefix is kept between runs: only the picture has to be new.
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i > "$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log" >&2; exit 1; }
    wineserver -w
fi

wine "$exe" > "$work/talvion.log" 2>&1 &
id=""
for _ in $(seq 300); do
    id=$(xdotool search --onlyvisible --name '^Varnet version 4.02 - R1737$' 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && break
    sleep 0.2
done
[ -n "$id" ] || { echo "screenshot-windows: the main window did not appear" >&2; exit 1; }
# Let the first paint finish before the picture is taken.
sleep 2
import -window "$id" "$output"
echo "screenshot-windows: wrote $output"
