#!/usr/bin/env python3
"""CPU time of whole processes: user + system time of each run, from the kernel's
accounting (wait4), over repeated runs. Prints median and spread per command.

    bench/process_cpu.py PROGRAM [RUNS]     e.g. bench/process_cpu.py build/release/bin/quillmere
"""
import os
import statistics
import subprocess
import sys
import tempfile


def cpu_ms(argv, cwd):
    with open(os.devnull, "wb") as null:
        process = subprocess.Popen(argv, stdout=null, stderr=null, cwd=cwd)
        _, status, usage = os.wait4(process.pid, 0)
    if os.waitstatus_to_exitcode(status) != 0:
        raise SystemExit(f"{' '.join(argv)} failed with status {status}")
    return (usage.ru_utime + usage.ru_stime) * 1000


def measure(name, argv, runs, cwd):
    cpu_ms(argv, cwd)  # warm the page cache
    times = sorted(cpu_ms(argv, cwd) for _ in range(runs))
    quartiles = statistics.quantiles(times, n=4)
    print(f"{name:<32} median {statistics.median(times):6.2f} ms CPU   "
          f"quartiles {quartiles[0]:.2f}–{quartiles[2]:.2f}   range {times[0]:.2f}–{times[-1]:.2f}   "
          f"({runs} runs)")


def main():
    program = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    with tempfile.TemporaryDirectory() as out:
        measure("/bin/true", ["/bin/true"], runs, out)
        measure("quillmere --version", [program, "--version"], runs, out)
        measure("generate --answers --no-save", [program, "generate", "--answers", "--no-save",
                                                 "--out", out, "--seed", "1"], runs, out)
        measure("generate --numbers fraction --answers", [program, "generate", "--numbers",
                "fraction", "--answers", "--no-save", "--out", out, "--seed", "1"], runs, out)


if __name__ == "__main__":
    main()
