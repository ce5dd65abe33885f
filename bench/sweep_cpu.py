#!/usr/bin/env python3
"""Whole-process CPU time of `quillmere generate --print --answers` over a sweep of settings:
kinds × number types × grades × option sets, one seed. Each setting either finishes (exit 0),
is refused at once (exit 2) or reaches the time limit (exit 3). Prints the median, 99th
percentile and maximum CPU time, the counts of each ending, and the slowest settings.

    bench/sweep_cpu.py PROGRAM [--seed N] [--time-limit S] [--option-sets NAME,...] [--slowest N]
        [--kinds oral,laws,...]
"""
import argparse
import concurrent.futures
import os
import statistics
import subprocess

KINDS = ["oral", "estimation", "vertical", "steps", "laws", "equations", "units"]
NUMBERS = ["whole", "decimal", "fraction", "percent"]
GRADES = [str(g) for g in range(13)]
OPTION_SETS = {
    "default": [],
    "exact3": ["--places", "3", "--exact"],
    "exact4": ["--places", "4", "--exact"],
    "fill-in": ["--fill-in", "--cap-results", "--no-exact"],
    "zero-middle": ["--zero-middle", "--places", "2"],
    "carry": ["--carry", "yes", "--borrow", "yes"],
    "no-carry": ["--carry", "no", "--borrow", "no"],
    "make-ten": ["--carry", "make-ten", "--borrow", "break-ten"],
}


def run(program, options, time_limit):
    argv = [program, "generate", *options, "--print", "--answers", "--no-save",
            "--time-limit", str(time_limit)]
    with open(os.devnull, "wb") as null:
        process = subprocess.Popen(argv, stdout=null, stderr=null)
        _, status, usage = os.wait4(process.pid, 0)
    return os.waitstatus_to_exitcode(status), (usage.ru_utime + usage.ru_stime) * 1000


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("--seed", default="5")
    parser.add_argument("--time-limit", type=int, default=10)
    parser.add_argument("--option-sets", default="default,exact3,exact4,fill-in,zero-middle")
    parser.add_argument("--slowest", type=int, default=10)
    parser.add_argument("--kinds", default=",".join(KINDS))
    args = parser.parse_args()
    grid = [(f"{kind} {numbers} grade {grade} {name}",
             ["--kind", kind, "--numbers", numbers, "--grade", grade, *OPTION_SETS[name],
              "--seed", args.seed])
            for kind in args.kinds.split(",") for numbers in NUMBERS for grade in GRADES
            for name in args.option_sets.split(",")]
    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        results = list(pool.map(lambda g: (g[0], *run(args.program, g[1], args.time_limit)), grid))
    times = sorted(ms for _, _, ms in results)
    endings = {}
    for _, code, _ in results:
        endings[code] = endings.get(code, 0) + 1
    p99 = times[min(len(times) - 1, int(0.99 * len(times)))]
    print(f"{len(results)} settings: " + ", ".join(
        f"{count} {'finished' if code == 0 else 'refused' if code == 2 else 'at the time limit' if code == 3 else f'exit {code}'}"
        for code, count in sorted(endings.items())))
    print(f"CPU per process: median {statistics.median(times):.1f} ms, 99th percentile "
          f"{p99:.1f} ms, maximum {times[-1]:.1f} ms; over 50 ms: "
          f"{sum(ms > 50 for ms in times)}, over 100 ms: {sum(ms > 100 for ms in times)}")
    for name, code, ms in sorted(results, key=lambda r: -r[2])[:args.slowest]:
        print(f"  {ms:8.1f} ms  exit {code}  {name}")


if __name__ == "__main__":
    main()
