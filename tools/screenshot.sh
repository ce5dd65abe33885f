#!/usr/bin/env bash
# Starts the main window on a virtual display and saves a picture of it, to look at the
# layout without a desktop. Also prints how long the window took to appear.
#   tools/screenshot.sh [out.png] [scale] [--busy] [--preview] [--focus NAME] [--roster FILE]
#   e.g. tools/screenshot.sh /tmp/window@2x.png 2
# --busy takes the picture while a run is drawing (progress line and notices showing);
# --preview clicks 预览 and takes the picture of the preview it opens;
# --focus NAME gives the control of that object name the keyboard focus;
# --roster FILE shows 名单 with that class list read.
# Uses the build in $BUILD (default: build-gui); needs xvfb-run (tools/install-deps.sh test).
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$here/build-gui}
out=${1:-$PWD/quillmere-window.png}
scale=${2:-1}
probe=$build/tests/window/window_probe

if [ ! -x "$probe" ]; then
    echo "Build first: cmake --build $build --target window_probe" >&2
    exit 1
fi
width=$((1400 * scale))
height=$((1000 * scale))
QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 ${width}x${height}x24" "$probe" --screenshot "$out" "${@:3}"
