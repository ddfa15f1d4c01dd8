#!/usr/bin/env bash
# Cross-builds "Sonavel VST.dll" with its Wine test host and test real plug-ins, for x86 into
# build/vst-i686 and for x64 into build/vst-x86_64. Configures once; prints nothing unless a
# step fails.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

for arch in i686 x86_64; do
    build="$root/build/vst-$arch"
    if [ ! -f "$build/build.ninja" ]; then
        if ! output=$(cmake -S "$root/vstloader" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
                            -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" 2>&1); then
            echo "$output" >&2
            rm -f "$build/build.ninja"
            exit 1
        fi
    fi
    if ! output=$(cmake --build "$build" --parallel 2 2>&1); then
        echo "$output" >&2
        exit 1
    fi
done
