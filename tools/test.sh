#!/usr/bin/env bash
# Install what is missing, build, and run the whole test suite: once normally (and check the
# Debian package of that build), once under AddressSanitizer + UndefinedBehaviorSanitizer,
# then the fuzz targets briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh test

jobs=2
export QT_QPA_PLATFORM=offscreen

# The cheapest check first: every include keeps to the layers.
tools/check-layers.py

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMERE_BENCH=ON
cmake --build build/release -j"$jobs"
ctest --test-dir build/release --output-on-failure -j"$jobs"
# The Debian package of that build, checked and installed into a temporary folder.
tools/package-check.sh build/release

cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DQUILLMERE_SANITIZE=ON
cmake --build build/sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS=suppressions="$PWD/tools/lsan-suppressions.txt" \
    ctest --test-dir build/sanitize --output-on-failure -j"$jobs" -LE rendering

# The Windows build of everything but the window: its tests run under wine64 (no display,
# nothing read from the terminal), then quillmere.exe as a teacher would run it.
cmake --preset windows
cmake --build --preset windows
CI=true ctest --preset windows </dev/null
tools/windows-smoke.sh build/windows

if [ -x tools/fuzz.sh ]; then
    tools/fuzz.sh 20
fi
echo "All tests passed."
