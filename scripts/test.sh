#!/usr/bin/env bash
# The project's test command: installs what is missing, builds everything (the Windows artefacts,
# Talvion and its tests under AddressSanitizer/UBSan, the concurrency tests under ThreadSanitizer)
# and runs every test with CTest, headless under Xvfb.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/common.sh

bash scripts/install-deps.sh

step "Windows artefacts"
bash scripts/build-windows.sh

step "AddressSanitizer build"
configure build/asan -DTALVION_SANITIZE=address
ninja -C build/asan -j"$jobs" > build/asan-build.log || { tail -n 60 build/asan-build.log; exit 1; }

step "ThreadSanitizer build of the concurrency tests"
configure build/tsan -DTALVION_SANITIZE=thread
ninja -C build/tsan -j"$jobs" concurrency_tests > build/tsan-build.log || { tail -n 60 build/tsan-build.log; exit 1; }

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1"

step "Tests under AddressSanitizer/UBSan"
(cd build/asan && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j"$jobs")

step "Concurrency tests under ThreadSanitizer"
(cd build/tsan && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -L concurrency)
