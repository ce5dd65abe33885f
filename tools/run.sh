#!/usr/bin/env bash
# Install what is missing, build, and start Quillmere: the window on a desktop, otherwise
# the default worksheet written by the command line into ./out.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh build
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMERE_TESTS=OFF
cmake --build build/release -j2 --target quillmere
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/release/quillmere-window ]; then
    exec build/release/quillmere-window
fi
mkdir -p out
exec build/release/quillmere generate --answers --out out
