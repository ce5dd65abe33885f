#!/usr/bin/python3
"""Converts the sample documents to PDF with LibreOffice, in one call, and checks what it
draws: the texts, the page counts, and fractions drawn with the numerator above the
denominator. Given the program too, it also writes drawn sets of every kind, with whole
numbers, long decimals and fractions, and checks that each answer sheet has as many pages as
its question sheet, and that the program's own PDF of each sheet has as many pages as
LibreOffice makes of its .docx.

Usage: rendering_check.py DOCX_SAMPLES [QUILLMERE]"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

SKIP = 77
FRACTION = re.compile(r"(\d+)/(\d+)")
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def convert(folder, documents):
    profile = Path(folder) / "profile"
    command = ["soffice", f"-env:UserInstallation=file://{profile}", "--headless",
               "--convert-to", "pdf", "--outdir", str(folder)] + [str(d) for d in documents]
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                   timeout=600)


def pdf_text(pdf):
    return subprocess.run(["pdftotext", "-layout", str(pdf), "-"], check=True,
                          capture_output=True, text=True).stdout


def page_count(pdf):
    info = subprocess.run(["pdfinfo", str(pdf)], check=True, capture_output=True, text=True).stdout
    return int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))


def stacked(text, numerator, denominator):
    """True when some line shows `numerator` and a line just below shows `denominator`
    starting in about the same column: a fraction drawn as a fraction."""
    lines = text.splitlines()
    for i, line in enumerate(lines):
        for match in re.finditer(rf"(?<!\d){numerator}(?!\d)", line):
            for below in lines[i + 1:i + 3]:
                for other in re.finditer(rf"(?<!\d){denominator}(?!\d)", below):
                    if abs(other.start() - match.start()) <= 2:
                        return True
    return False


def word_boxes(pdf):
    """Every word pdftotext finds, with its box: (text, xMin, yMin, xMax, yMax)."""
    xml = subprocess.run(["pdftotext", "-bbox", str(pdf), "-"], check=True,
                         capture_output=True, text=True).stdout
    pattern = re.compile(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" '
                         r'yMax="([\d.]+)">([^<]*)</word>')
    return [(m.group(5), *map(float, m.group(1, 2, 3, 4))) for m in pattern.finditer(xml)]


def stacked_boxes(words, numerator, denominator):
    """The same from the words' boxes: the numerator above the denominator, overlapping it
    sideways. Inside brackets that grow with a fraction, pdftotext may join the two into one
    word twice as tall as a line ("25" for 2 over 5)."""
    heights = sorted(y1 - y0 for _, _, y0, _, y1 in words)
    line = heights[len(heights) // 2] if heights else 0
    for text, x0, y0, x1, y1 in words:
        if text == numerator + denominator and y1 - y0 > 1.6 * line:
            return True
        if text != numerator:
            continue
        for other, u0, v0, u1, v1 in words:
            if other == denominator and v0 >= y0 + 0.5 * (y1 - y0) and v0 - y1 < line and \
                    min(x1, u1) > max(x0, u0):
                return True
    return False


def check_layout(text, pages):
    check(pages == 1, f"layout: {pages} pages")
    for expected in ("Quillmere", "2026/12/9", "姓名：", "37＋48＝", "63－27＝36", "A&B <c>",
                     "47÷5＝9……2", "centred"):
        check(expected in text, f"layout: {expected!r} not drawn")


def check_fractions(text, pages):
    check(pages == 1, f"fractions: {pages} pages")
    for numerator, denominator in (("3", "8"), ("1", "2"), ("7", "3"), ("5", "2"), ("6", "8"),
                                   ("3", "4")):
        check(stacked(text, numerator, denominator),
              f"fractions: {numerator} over {denominator} not drawn as a fraction")
    check("\\F" not in text and "EQ " not in text, "fractions: field code shown as text")
    check("3/8" not in text and "3,8" not in text, "fractions: fraction drawn flat")
    check("＝" in text and "×5=" in text, "fractions: signs between the fractions missing")


def read_manifest(folder):
    """Per document: title, date, nameLine, tableRows and the list of cell texts."""
    sheets = {}
    for line in (Path(folder) / "manifest.tsv").read_text(encoding="utf-8").splitlines():
        name, key, value = line.split("\t", 2)
        sheet = sheets.setdefault(Path(name).stem, {"cells": []})
        if key == "cell":
            sheet["cells"].append(value)
        else:
            sheet[key] = value
    return sheets


def squeezed(text):
    return re.sub(r"\s+", "", text)


def check_sheet(name, sheet, texts, pages):
    """`texts`: the PDF's text in reading order and in layout order, and its words with their
    boxes. pdftotext may read a cell's end after the next row's start; the layout order keeps
    each cell on its line. Brackets that grow with fractions are drawn, not read as text."""
    flat = squeezed(texts[0])
    layout = squeezed(texts[1])
    answers = sheet["title"].endswith("（答案）")
    check(sheet["title"] in flat, f"{name}: title {sheet['title']!r} not drawn")
    check(answers or "（答案）" not in flat, f"{name}: question sheet titled as answers")
    check(sheet["date"] in flat, f"{name}: date not drawn")
    check(("姓名：" in flat) == (sheet["nameLine"] == "1"), f"{name}: name line")
    check(len(sheet["cells"]) > 0, f"{name}: no cells typed")
    for cell in sheet["cells"]:
        # A fraction (3/2) is drawn stacked: the text around it, and it over its line.
        pieces = FRACTION.split(cell)
        for piece in pieces[0::3]:
            if "/" in cell:
                piece = piece.replace("(", "").replace(")", "")
            check(squeezed(piece) in flat or squeezed(piece) in layout,
                  f"{name}: cell {cell!r} not drawn")
        for numerator, denominator in zip(pieces[1::3], pieces[2::3]):
            check(stacked(texts[1], numerator, denominator) or
                  stacked_boxes(texts[2], numerator, denominator),
                  f"{name}: {numerator}/{denominator} in {cell!r} not drawn as a fraction")
    check(pages >= 1, f"{name}: no page")
    if sheet.get("note", "none") != "none":
        check(squeezed(sheet["note"]) in flat, f"{name}: time note not drawn")
    elif "note" in sheet:
        check("☆" not in flat, f"{name}: time note drawn though time is not ticked")


def check_rows_kept_together(name, pdf, working_row_points):
    """No page ends with an item row: below the lowest item of every page but the last
    there is room for its working row."""
    boxes = subprocess.run(["pdftotext", "-bbox", str(pdf), "-"], check=True,
                           capture_output=True, text=True).stdout
    pages = re.findall(r'<page width="[\d.]+" height="([\d.]+)">(.*?)</page>', boxes, re.S)
    for number, (height, words) in enumerate(pages[:-1], start=1):
        items = [float(y) for y, word in
                 re.findall(r'yMax="([\d.]+)">([^<]*)</word>', words) if "＝" in word]
        room = float(height) - 50 - max(items, default=0)
        check(room >= working_row_points - 2,
              f"{name}: page {number} ends with an item row ({room:.0f} pt below it)")


# Drawn sets whose answers are long: every kind, with decimals of four places and fractions.
DRAWN = [
    ["--kind", kind, "--numbers", numbers, "--places", "4", "--seed", "4"]
    for kind in ("oral", "estimation", "vertical", "steps", "equations", "laws", "units")
    for numbers in ("whole", "decimal")
] + [["--kind", kind, "--numbers", "fraction", "--seed", str(seed)]
     for kind in ("oral", "vertical", "steps") for seed in (1, 2)
] + [["--kind", kind, "--numbers", numbers, "--places", "2", "--layout", "dense", "--seed", "4"]
     for kind in ("oral", "estimation") for numbers in ("whole", "decimal", "percent")
# Answers that wrapped their cells, and so spilled onto a second page, when digits and % were
# counted narrower than LibreOffice and the PDF draw them.
] + [["--kind", "oral", "--layout", "dense", "--seed", seed] for seed in ("3", "5")] + [
    ["--kind", "estimation", "--numbers", "percent", "--layout", "dense", "--seed", "10"],
# Fraction rows near the foot of a page: the PDF's fraction lines as high as LibreOffice's.
    ["--kind", "oral", "--numbers", "fraction", "--count", "21", "--columns", "1", "--seed", "1"],
    ["--kind", "oral", "--numbers", "fraction", "--count", "24", "--columns", "2",
     "--font-size", "20", "--seed", "1"],
    ["--kind", "steps", "--numbers", "fraction", "--count", "12", "--columns", "1", "--seed", "3"],
# Whole-number rows that end just above the foot of the page.
    ["--kind", "oral", "--count", "22", "--columns", "1", "--seed", "1"]]

# 一页100题 puts every item of both sheets on one page.
ONE_PAGE = "dense"


def write_drawn_sets(program, folder):
    """The question and answer sheet of each drawn set, in a folder of its own. Sets written
    in the same second share their names: each set's files are renamed after its folder, so
    that LibreOffice's PDFs, all written into one folder, do not overwrite each other."""
    pairs = []
    for number, options in enumerate(DRAWN):
        out = Path(folder) / f"drawn{number}"
        result = subprocess.run([program, "generate", *options, "--answers", "--no-save",
                                 "--format", "both", "--out", str(out)],
                                capture_output=True, text=True, timeout=120)
        if result.returncode != 0:
            continue  # settings a kind refuses (such as decimal units in some grades)
        for written in list(out.iterdir()):
            written.rename(out / f"{out.name}-{written.name}")
        sheets = sorted(out.glob("*.docx"), key=lambda p: "答案" in p.name)
        if len(sheets) == 2:
            pairs.append((" ".join(options), sheets[0], sheets[1]))
        else:
            failures.append(f"{' '.join(options)}: {len(sheets)} sheets written")
    return pairs


def main():
    if shutil.which("soffice") is None:
        print("SKIP: LibreOffice (soffice) is not installed; "
              "apt-get install libreoffice-writer-nogui libreoffice-math-nogui poppler-utils")
        return SKIP
    samples = Path(sys.argv[1])
    with tempfile.TemporaryDirectory() as folder:
        listed = subprocess.run([str(samples), folder], check=True, capture_output=True,
                                text=True).stdout.splitlines()
        documents = [Path(p) for p in listed]
        drawn = write_drawn_sets(sys.argv[2], folder) if len(sys.argv) > 2 else []
        convert(folder, documents + [sheet for _, *pair in drawn for sheet in pair])
        checks = {"layout-sample": check_layout, "fractions-sample": check_fractions}
        sheets = read_manifest(folder)
        pages = {}
        for document in documents:
            pdf = Path(folder) / (document.stem + ".pdf")
            if not pdf.exists():
                failures.append(f"{document.name}: not converted")
                continue
            pages[document.stem] = page_count(pdf)
            if "高行" in document.stem:
                check_rows_kept_together(document.stem, pdf, 3 * 45)
            if document.stem in checks:
                checks[document.stem](pdf_text(pdf), pages[document.stem])
            else:
                text = subprocess.run(["pdftotext", str(pdf), "-"], check=True,
                                      capture_output=True, text=True).stdout
                check_sheet(document.stem, sheets[document.stem],
                            (text, pdf_text(pdf), word_boxes(pdf)), pages[document.stem])
        for name, sheet in sheets.items():
            if sheet["title"].endswith("（答案）"):
                question = name.replace("(答案)", "")
                check(pages.get(name) == pages.get(question),
                      f"{name}: {pages.get(name)} pages, its question sheet {pages.get(question)}")
        check(len(sheets) == 32, f"{len(sheets)} worksheets written")
        for options, question, answers in drawn:
            question_pages = page_count(Path(folder) / (question.stem + ".pdf"))
            answer_pages = page_count(Path(folder) / (answers.stem + ".pdf"))
            check(question_pages == answer_pages,
                  f"{options}: question sheet {question_pages} pages, answer sheet {answer_pages}")
            check(ONE_PAGE not in options.split() or question_pages == 1,
                  f"{options}: {question_pages} pages")
            for sheet, pages in ((question, question_pages), (answers, answer_pages)):
                own = page_count(sheet.with_suffix(".pdf"))
                check(own == pages, f"{options} {sheet.name}: PDF {own} pages, .docx {pages}")
        print(f"drawn sets: {len(drawn)} pairs of sheets compared")
    for failure in failures:
        print("FAIL:", failure)
    print("rendering check:", "failed" if failures else "passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
