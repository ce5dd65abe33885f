#!/bin/sh
# `quillmere answer` given input that cannot be answers (/dev/zero, one endless line) or a
# script that never stops answering must end at once, with bounded output and memory.
#   answer_input_check.sh PROGRAM
set -u
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    failures=$((failures + 1))
}

# Peak memory in KB of the last run, when GNU time is there to measure it.
measure() {
    if [ -x /usr/bin/time ]; then
        /usr/bin/time -f %M -o "$work/peak" "$@"
    else
        "$@"
    fi
}

# The last line GNU time wrote (above it: the status of a run that failed); 0 without it.
# A check fed by a pipe runs in a subshell, so its peak is read back from the file.
lastPeak() {
    tail -n 1 "$work/peak" 2>/dev/null || echo 0
}

# check NAME EXPECTED-STATUS MESSAGE, with the input on stdin
check() {
    measure timeout 20 "$program" answer --grade 5 --ops div --no-exact --count 5 --seed 2 \
        >"$work/out" 2>"$work/err"
    status=$?
    outSize=$(wc -c <"$work/out")
    echo "$1: status $status, $outSize bytes out, peak $(lastPeak) KB"
    if [ "$status" -ne "$2" ] || ! grep -q "$3" "$work/err" "$work/out" || [ "$outSize" -gt 4096 ]; then
        echo "$1: expected status $2 and \"$3\"" >&2
        cat "$work/err" >&2
        return 1
    fi
}

printf '\n' | check "one blank line" 0 "用时" || fail
base=$(lastPeak)
check "/dev/zero" 1 "含有空字符" </dev/zero || fail
zeroPeak=$(lastPeak)
head -c 50000000 /dev/zero | tr '\0' 7 | check "a 50 MB line" 1 "超过 4096 个字节" || fail
linePeak=$(lastPeak)
yes 3 | check "a remainder never given" 0 "还是没有余数" || fail

# Reading stops within a line's bound: no more memory than answering one blank line.
for peak in $zeroPeak $linePeak; do
    if [ "$peak" -gt $((base + 8192)) ]; then
        echo "peak ${peak} KB against ${base} KB for a blank line" >&2
        fail
    fi
done
exit $((failures > 0))
