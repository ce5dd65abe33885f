#!/usr/bin/env bash
# Kill a process ROUNDS times (default 200) at random moments while it saves and deletes
# history lines, and check after every kill that the file holds complete lines only and
# keeps every line whose save was announced. Then kill it ROUNDS times in a folder where no new
# file can be made, where every delete must be refused and no line may go or be cut short
# (a torn last line, which the next read skips, is counted). Then run 8 savers and 2 deleters
# side by side in a folder that cannot be listed (mode 0333) and check that every announced
# save is there unless an announced delete took it. Exits non-zero on any fault.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/crash-check
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMERE_GUI=OFF >/dev/null
cmake --build "$build" -j2 --target history_crash_check
"$build/tests/history/history_crash_check" "${1:-200}" "${2:-60}"
"$build/tests/history/history_crash_check" --closed-folder "${1:-200}" "${2:-60}"
exec "$build/tests/history/history_crash_check" --parallel
