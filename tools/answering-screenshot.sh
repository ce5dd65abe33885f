#!/usr/bin/env bash
# Opens the answering window on a virtual display with a fixed set and saves a picture of it.
#   tools/answering-screenshot.sh remainder|right|summary|fraction [out.png]
# remainder: quotient and remainder typed in; right: just after a right answer; summary: after
# 交卷; fraction: a fraction item with its answer typed in.
# Uses the build in $BUILD (default: build-gui); needs xvfb-run (tools/install-deps.sh test).
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$here/build-gui}
mode=${1:-remainder}
out=${2:-$PWD/answering-$mode.png}
probe=$build/tests/window/answering_probe

if [ ! -x "$probe" ]; then
    echo "Build first: cmake --build $build --target answering_probe" >&2
    exit 1
fi
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1200x800x24" "$probe" "$mode" "$out"
