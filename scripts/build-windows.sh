#!/usr/bin/env bash
# Builds every Windows artefact from this Linux machine: the image libraries for the target (once),
# Talvion.exe for x64 in build/win64, and the Sonavel VST DLLs through the loader's own script.
# Quiet when everything is up to date; on a failure it prints the end of the build's log.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/common.sh

bash scripts/build-third-party-win64.sh

configure build/win64 -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release
ninja -C build/win64 -j"$jobs" Talvion > build/win64-build.log 2>&1 \
    || { echo "build-windows: Talvion.exe failed to build; the end of build/win64-build.log:" >&2
         tail -n 60 build/win64-build.log >&2; exit 1; }

bash scripts/build-vstloader.sh
