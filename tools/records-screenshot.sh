#!/usr/bin/env bash
# Opens the records view (练习记录) on a virtual display with a few recorded sets and saves a
# picture of it.
#   tools/records-screenshot.sh [out.png]
# Uses the build in $BUILD (default: build-gui); needs xvfb-run (tools/install-deps.sh test).
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$here/build-gui}
out=${1:-$PWD/records-view.png}
probe=$build/tests/window/records_probe

if [ ! -x "$probe" ]; then
    echo "Build first: cmake --build $build --target records_probe" >&2
    exit 1
fi
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1200x800x24" "$probe" "$out"
