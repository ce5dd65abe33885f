#!/usr/bin/env bash
# Runs the cross-built quillmere.exe under wine64 as a teacher would, in a folder with a
# Chinese name and a space:
#   tools/windows-smoke.sh BUILD_FOLDER      (the windows preset's: build/windows)
# --version; generate with answers into 练习 (the .docx files opened with python-docx);
# history list, load and delete with the history in a Chinese folder; answers read from a
# file; Ctrl+C in the middle of a long draw.
set -euo pipefail
build=$(realpath "${1:?usage: tools/windows-smoke.sh BUILD_FOLDER}")
program="$build/bin/quillmere.exe"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
folder="$work/测试 文件夹"
mkdir "$folder"
cd "$folder"

export WINEPREFIX="$build/wine" WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
quillmere() { "$wine" "$program" "$@" </dev/null; }

step() { echo "== $*"; }
fail() { echo "windows smoke: $*" >&2; exit 1; }

step "--version"
quillmere --version | grep -q '^Quillmere ' || fail "--version"

step "generate --answers --out 练习"
mkdir 历史
quillmere generate --answers --seed 3 --out 练习 --history 历史/题目.txt >"$work/written" ||
    fail "generate"
[ "$(ls 练习 | grep -c '^竖式计算-.*\.docx$')" = 2 ] || fail "the sheets' Chinese names: $(ls 练习)"
/usr/bin/python3 - 练习/*.docx <<'EOF' || fail "python-docx could not read the sheets"
import sys
import docx

for name in sys.argv[1:]:
    document = docx.Document(name)
    assert document.tables and len(document.tables[0].rows) > 1, name
    assert "竖式计算" in document.paragraphs[0].text, name
EOF

step "history list, load 1, delete 1"
[ "$(quillmere history list --history 历史/题目.txt | wc -l)" = 1 ] || fail "history list"
quillmere history load 1 --history 历史/题目.txt --out 载入 >/dev/null || fail "history load"
[ "$(ls 载入 | grep -c '\.docx$')" = 1 ] || fail "the loaded sheet"
quillmere history delete 1 --history 历史/题目.txt >/dev/null || fail "history delete"
[ -z "$(quillmere history list --history 历史/题目.txt)" ] || fail "the deleted set is still listed"

step "answer --seed 3 --count 3 < 答案.txt"
printf '1\n2\n3\n' >答案.txt
"$wine" "$program" answer --seed 3 --count 3 <答案.txt | grep -q '共 3 题' || fail "answer"

step "Ctrl+C during a long draw"
# Wine turns SIGINT into the console's Ctrl+C event.
status=0
timeout --preserve-status -s INT 4 "$wine" "$program" generate --kind oral --ops div \
    --numbers percent --places 4 --exact --to 1000 --count 10000 --out 停止 --history 停止.txt \
    </dev/null 2>"$work/stopped" || status=$?
[ "$status" = 130 ] || fail "Ctrl+C ended the run with status $status: $(cat "$work/stopped")"
grep -q 'Ctrl+C 终止' "$work/stopped" || fail "no word of Ctrl+C: $(cat "$work/stopped")"
[ ! -e 停止 ] && [ ! -e 停止.txt ] || fail "a stopped run wrote something"

echo "Windows smoke runs passed."
