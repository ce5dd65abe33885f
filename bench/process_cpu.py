#!/usr/bin/env python3
"""CPU time of whole processes: user + system time of each run, from the kernel's
accounting (wait4), over repeated runs. Prints median and spread per command, and the page
faults of a median run.

    bench/process_cpu.py [--runs N] [--only TEXT] PROGRAM [PROGRAM...]

With several programs (builds of two versions, say) the runs take turns, so a change in the
machine's load falls on all of them alike.
"""
import argparse
import os
import statistics
import subprocess
import tempfile

COMMANDS = [
    ("--version", ["--version"]),
    ("generate --answers --no-save", ["generate", "--answers", "--no-save", "--seed", "1"]),
    ("generate --numbers fraction", ["generate", "--numbers", "fraction", "--answers", "--no-save",
                                     "--seed", "1"]),
    # PDF sheets: a 24-item question and answer pair, and a pair of 100-item pages.
    ("generate --answers --format pdf", ["generate", "--answers", "--no-save", "--seed", "1",
                                         "--format", "pdf"]),
    ("generate 100 oral items --format pdf", ["generate", "--kind", "oral", "--count", "100",
                                              "--columns", "5", "--row-height", "20", "--answers",
                                              "--no-save", "--seed", "1", "--format", "pdf"]),
    # A school month from a recipe: 20 dated question and answer sheets, no item repeated.
    ("batch 20 days of 24 oral items", ["batch", "{recipe}", "--days", "20", "--start", "2027-03-01",
                                        "--no-save", "--seed", "1"]),
    # A mixed pair: three parts, 100 items in all, each part in its own table.
    ("generate mixed 100 items, 3 parts", ["generate", "--answers", "--no-save", "--seed", "1",
                                           "--part", "--kind oral --count 60 --columns 5",
                                           "--part", "--kind vertical --ops mul --count 30",
                                           "--part", "--kind steps --count 10"]),
    # A class of 40 named from a roster: one PDF with every pupil's sheet, one with every key.
    ("generate --roster of 40 --format pdf", ["generate", "--roster", "{roster}", "--answers",
                                              "--no-save", "--seed", "1", "--format", "pdf"]),
]
ROSTER = "".join(f"学生{k}\n" for k in range(1, 41))
RECIPE = 'kind = "oral"\ngrade = 5\nops = ["add", "sub"]\ncount = 24\nanswers = true\n'



def run_once(argv, cwd):
    with open(os.devnull, "wb") as null:
        process = subprocess.Popen(argv, stdout=null, stderr=null, cwd=cwd)
        _, status, usage = os.wait4(process.pid, 0)
    if os.waitstatus_to_exitcode(status) != 0:
        return None
    return (usage.ru_utime + usage.ru_stime) * 1000, usage.ru_minflt + usage.ru_majflt


def report(name, samples):
    times = sorted(ms for ms, _ in samples)
    faults = statistics.median(f for _, f in samples)
    low, _, high = statistics.quantiles(times, n=4)
    print(f"  {name:<44} median {statistics.median(times):6.2f} ms CPU   quartiles {low:.2f}–{high:.2f}"
          f"   range {times[0]:.2f}–{times[-1]:.2f}   {faults:.0f} page faults")


def measure(label, variants, runs, cwd):
    """variants: (name, argv) pairs, run in turns."""
    # The first run warms the page cache; a program that cannot run the command (an older
    # version) is left out of it.
    variants = [(name, argv) for name, argv in variants if run_once(argv, cwd) is not None]
    samples = {name: [] for name, _ in variants}
    for _ in range(runs):
        for name, argv in variants:
            sample = run_once(argv, cwd)
            if sample is None:
                raise SystemExit(f"{' '.join(argv)} failed")
            samples[name].append(sample)
    print(f"{label} ({runs} runs each)")
    for name, _ in variants:
        report(name, samples[name])


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=20)
    parser.add_argument("--only", help="measure only the commands whose label holds TEXT")
    parser.add_argument("programs", nargs="+")
    args = parser.parse_args()
    programs = [os.path.abspath(p) for p in args.programs]
    with tempfile.TemporaryDirectory() as out:
        recipe = os.path.join(out, "recipe.toml")
        with open(recipe, "w", encoding="utf-8") as file:
            file.write(RECIPE)
        roster = os.path.join(out, "roster.txt")
        with open(roster, "w", encoding="utf-8") as file:
            file.write(ROSTER)
        measure("/bin/true", [("/bin/true", ["/bin/true"])], args.runs, out)
        for label, arguments in COMMANDS:
            if args.only and args.only not in label:
                continue
            arguments = [{"{recipe}": recipe, "{roster}": roster}.get(a, a) for a in arguments]
            extra = ["--out", out] if arguments[0] in ("generate", "batch") else []
            measure(f"quillmere {label}", [(p, [p, *arguments, *extra]) for p in programs], args.runs, out)


if __name__ == "__main__":
    main()
