#!/usr/bin/env python3
"""Counts trivial items in what `quillmere generate --print --answers` prints: a factor,
dividend or divisor of 0 or 1, a number divided by itself or taken from itself, an addend or
subtrahend 0, a quotient of 0 with a remainder (1÷36＝0……1), an answer shown as 0 or ≈0 for
a value that is not 0, a step of a longer expression that comes to 0, and a value of 0 (an
estimate of 0 among them). Each item is worked out here from its own text with exact
fractions, independently of the program.

    count-trivial.py [FILE ...]        printed items (standard input when no file is given)
    count-trivial.py --sweep PROGRAM [--seeds N] [--extra-args "ARGS"] [--time-limit S]
                                       runs PROGRAM over kinds × number types × grades ×
                                       option sets × seeds and counts what every run printed,
                                       by kind

An item may show several forms; "trivial items" counts each item once.
"""

import argparse
import collections
import concurrent.futures
import re
import shlex
import subprocess
import sys
from fractions import Fraction

KINDS = ["oral", "estimation", "vertical", "steps", "laws", "equations"]
NUMBERS = ["whole", "decimal", "fraction", "percent"]
GRADES = ["0", "1", "4", "7", "10", "12"]
# Those of tools/compare-builds.py and --no-exact alone: remainders and kept places show the
# answers that read as 0.
OPTION_SETS = [
    [],
    ["--places", "3", "--exact"],
    ["--no-exact", "--keep", "2"],
    ["--no-exact"],
    ["--zero-middle", "--places", "2"],
    ["--fill-in", "--cap-results", "--places", "4"],
]

FORMS = [
    ("one", "×1 1× ÷1 1÷"),
    ("zero-factor", "×0 0× 0÷"),
    ("self-quotient", "x÷x"),
    ("self-difference", "x－x"),
    ("zero-addend", "＋0 －0"),
    ("zero-quotient", "0……r"),
    ("shown-zero", "shown 0/≈0, value not 0"),
    ("zero-step", "a step comes to 0"),
    ("zero-value", "value 0"),
]

TOKEN = re.compile(r"\d+/\d+|\d+(?:\.\d+)?(?:E[-+]?\d+)?%?|[＋－×÷()（）]")
OPEN, CLOSE = {"(", "（"}, {")", "）"}


def number(token):
    if "/" in token:
        numerator, denominator = token.split("/")
        return Fraction(int(numerator), int(denominator))
    if token.endswith("%"):
        return Fraction(token[:-1]) / 100
    return Fraction(token)


class Reader:
    """× and ÷ before ＋ and －; notes the forms of every operation."""

    def __init__(self, text):
        self.tokens = TOKEN.findall(text)
        if "".join(self.tokens) != text:
            raise ValueError(text)
        self.at = 0
        self.forms = set()
        self.steps = []  # the value of every operation, the last one worked last

    def peek(self):
        return self.tokens[self.at] if self.at < len(self.tokens) else None

    def take(self):
        self.at += 1
        return self.tokens[self.at - 1]

    def whole(self):
        value = self.sum()
        if self.peek() is not None:
            raise ValueError("trailing " + self.peek())
        return value

    def sum(self):
        value = self.product()
        while self.peek() in ("＋", "－"):
            value = self.step(self.take(), value, self.product())
        return value

    def product(self):
        value = self.factor()
        while self.peek() in ("×", "÷"):
            value = self.step(self.take(), value, self.factor())
        return value

    def factor(self):
        token = self.take()
        if token in OPEN:
            value = self.sum()
            if self.take() not in CLOSE:
                raise ValueError("bracket")
            return value
        return number(token)

    def step(self, sign, left, right):
        if sign in ("×", "÷") and 1 in (left, right):
            self.forms.add("one")
        if (sign == "×" and 0 in (left, right)) or (sign == "÷" and left == 0):
            self.forms.add("zero-factor")
        if sign == "÷" and left == right:
            self.forms.add("self-quotient")
        if sign == "－" and left == right:
            self.forms.add("self-difference")
        if sign in ("＋", "－") and (right == 0 or (sign == "＋" and left == 0)):
            self.forms.add("zero-addend")
        value = {"＋": left + right, "－": left - right, "×": left * right,
                 "÷": left / right if right else None}[sign]
        if value is None:
            raise ValueError("division by 0")
        self.steps.append(value)
        return value


def question_and_answer(line):
    """The expression worked and the answer shown, or None for a line that is no item."""
    if "\t" not in line:
        return None
    question, answer = line.rstrip("\n").split("\t", 1)
    if "（ ）" in question or "_" in question:  # conversions; fill-in forms
        return None
    if "X" in question:  # an equation, answered "X＝43": worked with X put in
        if answer.startswith("X＝"):
            left, right = question.split("＝", 1)
            x = answer[len("X＝"):]
            worked = re.sub(r"(?<=[\d.%])X", "×" + x, left).replace("X", x)  # 18X is 18×X
            return worked, "＝" + right
        question, answer = answer.split("＝", 1)  # older builds: the complete form
        answer = "＝" + answer
    return question, answer


def item_forms(question, answer):
    reader = Reader(question)
    value = reader.whole()
    forms = set(reader.forms)
    if any(step == 0 for step in reader.steps[:-1]):
        forms.add("zero-step")
    if value == 0:
        forms.add("zero-value")
    shown = answer.lstrip("＝≈")
    if shown.startswith("0……"):
        forms.add("zero-quotient")
    elif value != 0 and re.fullmatch(r"0(\.0+)?%?", shown):
        forms.add("shown-zero")
    return forms


class Tally:
    def __init__(self):
        self.items = 0
        self.trivial = 0
        self.forms = collections.Counter()
        self.unread = 0

    def add_line(self, line):
        parts = question_and_answer(line)
        if parts is None:
            return
        try:
            forms = item_forms(*parts)
        except (ValueError, ZeroDivisionError, IndexError):
            self.unread += 1
            return
        self.items += 1
        self.trivial += bool(forms)
        self.forms.update(forms)


def print_table(tallies):
    columns = list(tallies)
    width = max(len(label) for _, label in FORMS) + 2
    print(" " * width + "".join(f"{c:>11}" for c in columns))
    rows = [("items", lambda t: t.items), ("trivial items", lambda t: t.trivial)]
    rows += [(label, lambda t, key=key: t.forms[key]) for key, label in FORMS]
    rows.append(("unreadable lines", lambda t: t.unread))
    for label, count in rows:
        print(f"{label:<{width}}" + "".join(f"{count(tallies[c]):>11}" for c in columns))


def sweep(args):
    grid = [(k, ["--kind", k, "--numbers", n, "--grade", g, *o, "--seed", str(seed)])
            for k in KINDS for n in NUMBERS for g in GRADES for o in OPTION_SETS
            for seed in range(1, args.seeds + 1)]

    def run(entry):
        kind, options = entry
        command = [args.sweep, "generate", *options, *shlex.split(args.extra_args), "--print",
                   "--answers", "--no-save", "--time-limit", str(args.time_limit)]
        done = subprocess.run(command, capture_output=True, text=True)
        return kind, done.returncode, done.stdout

    tallies = {kind: Tally() for kind in KINDS}
    tallies["all"] = Tally()
    runs = collections.Counter()
    with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
        for kind, code, out in pool.map(run, grid):
            runs[code] += 1
            for line in out.splitlines():
                tallies[kind].add_line(line)
                tallies["all"].add_line(line)
    print(f"{len(grid)} runs, exit codes: " + ", ".join(f"{c}: {n}" for c, n in sorted(runs.items())))
    print_table(tallies)


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("files", nargs="*")
    parser.add_argument("--sweep", metavar="PROGRAM")
    parser.add_argument("--seeds", type=int, default=3)
    parser.add_argument("--extra-args", default="", help="options added to every run")
    parser.add_argument("--time-limit", type=int, default=20)
    args = parser.parse_args()
    if args.sweep:
        sweep(args)
        return 0
    tally = Tally()
    streams = [open(f, encoding="utf-8") for f in args.files] or [sys.stdin]
    for stream in streams:
        for line in stream:
            tally.add_line(line)
    print_table({"all": tally})
    return 0


if __name__ == "__main__":
    raise SystemExit(main())
