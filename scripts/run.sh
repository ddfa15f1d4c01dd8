#!/usr/bin/env bash
# The project's run command: installs what is missing, builds Talvion and runs its main job.
# With a display it opens Talvion's window (arguments are passed on: a firmware file, for
# instance). Without one it runs a whole update against the virtual Varnet under Xvfb and saves
# screenshots of the window before, during and after it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/common.sh

bash scripts/install-deps.sh

step "Building Talvion"
configure build/release -DCMAKE_BUILD_TYPE=Release
ninja -C build/release -j"$jobs" Talvion > build/release-build.log || { tail -n 60 build/release-build.log; exit 1; }
talvion="$PWD/build/release/Talvion_artefacts/Release/Talvion"

if [ -n "${DISPLAY:-}" ] && xdpyinfo > /dev/null 2>&1; then
    step "Starting Talvion"
    exec "$talvion" "$@"
fi

step "No display: a whole update against the virtual Varnet, under Xvfb"
xvfb-run -a -s "-screen 0 1024x768x24" bash scripts/run-headless.sh "$talvion" "$PWD/build/run"
