#!/usr/bin/python3
"""Writes sets of every kind with the built quillmere, reads each answer sheet back with
python-docx and checks every cell twice: against an exact computation with fractions, and
against what `quillmere generate --print --answers` prints for the same seed.

Usage: answer_sheet_check.py QUILLMERE [--seeds N] [--run-timeout SECONDS]

A run that takes longer than the timeout (default 60 seconds) fails the check: it stands for
a draw that never ends.
"""

import operator
import re
import subprocess
import sys
import tempfile
from decimal import ROUND_HALF_UP, Decimal
from fractions import Fraction
from pathlib import Path

SKIP = 77
try:
    import docx
except ImportError:
    print("SKIP: python3-docx is not installed (apt-get install python3-docx)")
    sys.exit(SKIP)

LONGEST_PLACES = 4
RUN_TIMEOUT = float(sys.argv[sys.argv.index("--run-timeout") + 1]) if "--run-timeout" in sys.argv else 60

# One entry a kind: the options of its runs; seeds vary the number type, places and grade.
KINDS = {
    "口算": ["--kind", "oral"],
    "口算 填数": ["--kind", "oral", "--fill-in"],
    "估算": ["--kind", "estimation"],
    "估算 填数": ["--kind", "estimation", "--fill-in"],
    "竖式": ["--kind", "vertical"],
    "竖式 填数": ["--kind", "vertical", "--fill-in"],
    "脱式 一年级": ["--kind", "steps", "--grade", "1", "--from", "1", "--to", "20"],
    "脱式 四年级": ["--kind", "steps", "--grade", "7"],
    "解方程": ["--kind", "equations"],
    # Long products: the right side must keep every digit for X to solve the equation.
    "解方程 四位小数": ["--kind", "equations", "--numbers", "decimal", "--places", "4"],
}

# Pupils never see E notation (3.98E-05): every number is written as a plain decimal.
E_NOTATION = re.compile(r"\d[Ee][+-]?\d")


def varied(kind_options, seed):
    """Number type, places and grade for one seed, so that every kind meets them all."""
    options = ["--count", "40", "--seed", str(seed)]
    if "--numbers" in kind_options:
        return options
    numbers = ["whole", "decimal", "percent"][seed % 3]
    options += ["--numbers", numbers]
    if numbers == "decimal":
        options += ["--places", str(1 + seed % 4)]
    if seed % 4 == 1 and "equations" not in kind_options:
        options += ["--keep", str(seed % 5)]
    if seed % 5 == 2:
        options += ["--no-exact"]
    return options


def with_grade(kind_options, seed):
    if "--grade" in kind_options:
        return kind_options
    return kind_options + ["--grade", str([0, 5, 9, 4, 12, 6][seed % 6])]


# ---- exact arithmetic -------------------------------------------------------------------

APPLY = {"＋": operator.add, "－": operator.sub, "×": operator.mul, "÷": operator.truediv}
TOKEN = re.compile(r"\d+(?:\.\d+)?%?|[＋－×÷()X]")


def number(text):
    if text.endswith("%"):
        return Fraction(text[:-1]) / 100
    return Fraction(text)


def tokens(expression):
    out = []
    for token in TOKEN.findall(expression):
        if token == "X" and out and out[-1] not in ("＋", "－", "×", "÷", "("):
            out.append("×")  # 6X reads 6 × X
        out.append(token)
    if "".join(TOKEN.findall(expression)) != expression:
        raise ValueError("unreadable expression " + expression)
    return out


def evaluate(toks, x=None):
    """× and ÷ before ＋ and －, left to right; X takes the value x."""
    pos = 0

    def factor():
        nonlocal pos
        token = toks[pos]
        pos += 1
        if token == "(":
            value = total()
            pos += 1  # ")"
            return value
        return x if token == "X" else number(token)

    def chain(operand, signs):
        nonlocal pos
        value = operand()
        while pos < len(toks) and toks[pos] in signs:
            sign = toks[pos]
            pos += 1
            value = APPLY[sign](value, operand())
        return value

    def product():
        return chain(factor, "×÷")

    def total():
        return chain(product, "＋－")

    value = total()
    if pos != len(toks):
        raise ValueError("trailing tokens in " + "".join(toks))
    return value


def half_up(value, places):
    """四舍五入 of an exact value to `places` (negative: tens, hundreds)."""
    quantum = Decimal(1).scaleb(-places)
    exact = Decimal(value.numerator) / Decimal(value.denominator)
    return Fraction(exact.quantize(quantum, rounding=ROUND_HALF_UP)) if places >= 0 else \
        Fraction((exact / quantum).quantize(Decimal(1), rounding=ROUND_HALF_UP) * quantum)


def places_of(text):
    return len(text.split(".")[1]) if "." in text else 0


def estimate(value):
    if value == 0:
        return value
    if abs(value) >= 10:
        return half_up(value, -1)
    for places in range(LONGEST_PLACES + 1):
        rounded = half_up(value, places)
        if rounded != 0:
            return rounded
    return rounded


# ---- one cell ---------------------------------------------------------------------------

def answered_as_percent(item):
    """Items of two numbers: a sum or difference of percents, and a percent divided by a plain
    number, are answered as percents (95%－69%＝26%, 34%÷2＝17%). Every other answer, a
    step-by-step value among them, is a plain number."""
    signs = re.findall("[＋－×÷]", item)
    if len(signs) != 1:
        return False
    first, second = (term.endswith("%") for term in item.split(signs[0]))
    if signs[0] in "＋－":
        return first and second
    return signs[0] == "÷" and first and not second


def check_single(item, sign, shown, keep, estimation):
    """An item of one operation: its answer is exact, a remainder, or rightly rounded, and a
    percent exactly where pupils write one."""
    exact = evaluate(tokens(item))
    if shown.endswith("%") != answered_as_percent(item):
        return False
    if shown.endswith("%"):
        exact, shown = exact * 100, shown[:-1]
    if estimation:
        return sign == "≈" and Fraction(shown) == estimate(exact)
    if "……" in shown:
        if "%" in item:
            return False  # a percent is a value, never quotient……remainder
        quotient, remainder = (Fraction(part) for part in shown.split("……"))
        dividend, divisor = (number(part) for part in item.split("÷"))
        return (sign == "＝" and quotient == int(quotient) and
                quotient * divisor + remainder == dividend and 0 < remainder < divisor)
    if places_of(shown) > LONGEST_PLACES:
        return False
    if sign == "＝":
        return Fraction(shown) == exact
    places = keep if keep is not None else 2
    return sign == "≈" and places_of(shown) == places and \
        Fraction(shown) == half_up(exact, places) and Fraction(shown) != exact


def check_fill_in(question, missing, keep, estimation):
    """A 填数 question ("______＋48＝85") and the number that fills its blank: the one blank
    filled with it makes an item whose answer is the one shown."""
    blank = "______"
    signs = [i for i in (question.find("＝"), question.find("≈")) if i >= 0]
    if not signs:
        return False
    at = min(signs)
    asked, sign, shown = question[:at], question[at], question[at + 1:]
    if asked.count(blank) != 1 or not re.fullmatch(r"\d+(?:\.\d+)?%?", missing):
        return False
    return check_single(asked.replace(blank, missing), sign, shown, keep, estimation)


def check_expression(expression, value):
    return evaluate(tokens(expression)) == Fraction(value)


def check_equation(equation, solution, value):
    """X's number solves the equation, and no other number does."""
    if not re.fullmatch(r"\d+(?:\.\d+)?%?", solution):
        return False
    hidden = tokens(equation)
    x = number(solution)
    try:
        other = evaluate(hidden, x + 1)
    except ZeroDivisionError:
        other = None
    return evaluate(hidden, x) == Fraction(value) and other != Fraction(value)


# ---- one run ----------------------------------------------------------------------------

def run(program, options, folder=None):
    # The program's own limit stays out of the way: the check's timeout stands for a draw that
    # never ends, and under the sanitizers a slow draw takes minutes.
    args = [program, "generate", *options, "--answers", "--no-save",
            "--time-limit", str(int(RUN_TIMEOUT))]
    args += ["--out", str(folder)] if folder else ["--print"]
    result = subprocess.run(args, capture_output=True, text=True, timeout=RUN_TIMEOUT)
    if result.returncode != 0:
        raise RuntimeError(" ".join(args) + " exited " + str(result.returncode) + ": " + result.stderr)
    return result.stdout


def cells(path, working=False):
    """The texts of the filled item cells, in item order (working rows are empty); with
    `working`, each with the text of the working cell below it (解方程's X＝ is there)."""
    rows = docx.Document(str(path)).tables[0].rows
    if not working:
        return [cell.text for row in rows for cell in row.cells if cell.text]
    out = []
    for item_row, work_row in zip(rows[0::2], rows[1::2]):
        for item, work in zip(item_row.cells, work_row.cells):
            if item.text:
                out.append((item.text, work.text))
    return out


def keep_of(options):
    return int(options[options.index("--keep") + 1]) if "--keep" in options else None


def check_run(program, kind, options, folder):
    """Returns (answers checked, faults found as texts, equations whose value runs past four
    decimals: the value is part of the question and stays exact)."""
    for old in folder.glob("*.docx"):
        old.unlink()
    run(program, options, folder)
    answer_sheet = next(p for p in folder.glob("*.docx") if "答案" in p.name)
    question_sheet = next(p for p in folder.glob("*.docx") if "答案" not in p.name)
    printed = [line.split("\t") for line in run(program, options).splitlines()]
    equations = kind.startswith("解方程")
    answers, questions = cells(answer_sheet, equations), cells(question_sheet, equations)
    faults = []

    def fault(text):
        faults.append(f"{kind} {' '.join(options)}: {text}")

    if len(answers) != len(printed) or len(questions) != len(printed):
        fault(f"{len(answers)} answer cells, {len(questions)} question cells, "
              f"{len(printed)} printed lines")
        return len(printed), faults, 0
    keep = keep_of(options)
    long_values = 0
    for k, (line, cell, question) in enumerate(zip(printed, answers, questions)):
        left, right = line
        if kind.startswith("脱式"):
            shown = right if right.startswith("≈") else "＝" + right
            same = cell == left + shown and question == left + "＝"
            sound = check_single(left, shown[0], shown[1:], keep, False)
        elif equations:
            equation, value = left.split("＝")
            solution = right.removeprefix("X＝")
            same = cell == (left, right) and question == (left, "") and right.startswith("X＝")
            sound = check_equation(equation, solution, value)
            long_values += places_of(value) > LONGEST_PLACES
        elif kind.endswith("填数"):
            same = question == left and cell == left.replace("______", "（" + right + "）")
            sound = check_fill_in(left, right, keep, kind.startswith("估算"))
        else:
            sign, shown = right[0], right[1:]
            same = cell == left + right
            sound = check_single(left, sign, shown, keep, kind == "估算")
        if not same:
            fault(f"sheet shows {cell!r} / {question!r}, printed {line!r}")
        if E_NOTATION.search("".join(cell) + "".join(question) + "".join(line)):
            fault(f"E notation in {cell!r}")
        if not sound:
            fault(f"wrong answer {cell!r}")
    return len(printed), faults, long_values


def check_unit_numbers(program, seeds):
    """Unit sheets write given values and answers as plain decimals, however small."""
    faults = []
    for seed in range(1, seeds + 1):
        options = ["--kind", "units", "--numbers", "decimal", "--count", "40", "--seed", str(seed)]
        for line in run(program, options).splitlines():
            if E_NOTATION.search(line):
                faults.append(f"单位换算 {' '.join(options)}: {line!r}")
    print(f"单位换算: {40 * seeds} items read, {len(faults)} in E notation")
    for text in faults[:10]:
        print("   ", text)
    return bool(faults)


def main():
    program = sys.argv[1]
    seeds = int(sys.argv[sys.argv.index("--seeds") + 1]) if "--seeds" in sys.argv else 10
    failed = False
    with tempfile.TemporaryDirectory() as temp:
        folder = Path(temp)
        for kind, kind_options in KINDS.items():
            checked, faults, long_values = 0, [], 0
            for seed in range(1, seeds + 1):
                options = with_grade(kind_options, seed) + varied(kind_options, seed)
                count, found, long = check_run(program, kind, options, folder)
                checked += count
                faults += found
                long_values += long
            note = f" ({long_values} exact values past four decimals)" if long_values else ""
            print(f"{kind}: {checked} answers checked, {len(faults)} wrong{note}")
            for text in faults[:10]:
                print("   ", text)
            failed = failed or bool(faults)
        failed = check_unit_numbers(program, seeds) or failed
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
