#!/usr/bin/env python3
"""Runs two builds of quillmere over a grid of settings (kinds × number types × grades ×
option sets × seeds) with `generate --print --answers --no-save` and compares what they print,
byte for byte, stdout and exit status. With --documents each setting is written as a question
and an answer sheet instead, and the two builds' word/document.xml are compared. Prints the
counts and the first differing line of each setting that differs.

With --extra-args the given options are added to every setting of NEW only, so that NEW can
be held to OLD with a new option that restores OLD's behaviour (--extra-args=--allow-trivial).

Usage: compare-builds.py OLD NEW [--seeds N] [--time-limit S] [--show N] [--documents]
                         [--extra-args ARGS]
"""

import argparse
import concurrent.futures
import itertools
import shlex
import subprocess
import tempfile
import zipfile
from pathlib import Path

KINDS = ["oral", "estimation", "vertical", "steps", "laws", "equations", "units"]
NUMBERS = ["whole", "decimal", "fraction", "percent"]
GRADES = ["0", "1", "4", "7", "10", "12"]
OPTION_SETS = [
    [],
    ["--places", "3", "--exact"],
    ["--no-exact", "--keep", "2"],
    ["--zero-middle", "--places", "2"],
    ["--fill-in", "--cap-results", "--places", "4"],
]


def run(program, options, time_limit, documents=False):
    with tempfile.TemporaryDirectory() as folder:
        output = ["--out", folder] if documents else ["--print"]
        args = [program, "generate", *options, *output, "--answers", "--no-save",
                "--time-limit", str(time_limit)]
        try:
            done = subprocess.run(args, capture_output=True, timeout=time_limit + 20)
        except subprocess.TimeoutExpired:
            return ("hung", b"")
        if not documents:
            return (done.returncode, done.stdout)
        # The sheets in name order (question before answers), their document parts joined.
        parts = [zipfile.ZipFile(sheet).read("word/document.xml")
                 for sheet in sorted(Path(folder).glob("*.docx"), key=lambda p: "答案" in p.name)]
        return (done.returncode, b"\n".join(parts))


def first_difference(a, b):
    for x, y in itertools.zip_longest(a.splitlines(), b.splitlines(), fillvalue=b""):
        if x != y:
            return x.decode(errors="replace"), y.decode(errors="replace")
    return "", ""


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("old")
    parser.add_argument("new")
    parser.add_argument("--seeds", type=int, default=2)
    parser.add_argument("--time-limit", type=int, default=5)
    parser.add_argument("--show", type=int, default=20)
    parser.add_argument("--documents", action="store_true")
    parser.add_argument("--extra-args", default="", help="options added to NEW's settings")
    args = parser.parse_args()
    extra = shlex.split(args.extra_args)

    grid = [["--kind", k, "--numbers", n, "--grade", g, *o, "--seed", str(seed)]
            for k in KINDS for n in NUMBERS for g in GRADES for o in OPTION_SETS
            for seed in range(1, args.seeds + 1)]

    def both(options):
        return (options, run(args.old, options, args.time_limit, args.documents),
                run(args.new, options + extra, args.time_limit, args.documents))

    counts = {"same output": 0, "differ": 0, "same refusal": 0, "both at the time limit": 0}
    differing = []
    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        for options, (old_rc, old_out), (new_rc, new_out) in pool.map(both, grid):
            if (old_rc, old_out) != (new_rc, new_out):
                counts["differ"] += 1
                differing.append((options, old_rc, new_rc, *first_difference(old_out, new_out)))
            elif old_rc == 3:
                counts["both at the time limit"] += 1
            elif old_rc != 0:
                counts["same refusal"] += 1
            else:
                counts["same output"] += 1
    print(f"{len(grid)} settings: " + ", ".join(f"{v} {k}" for k, v in counts.items()))
    for options, old_rc, new_rc, old_line, new_line in differing[:args.show]:
        print(" ".join(options), f"[exit {old_rc} -> {new_rc}]")
        print("    old:", old_line)
        print("    new:", new_line)
    return 0


if __name__ == "__main__":
    raise SystemExit(main())
