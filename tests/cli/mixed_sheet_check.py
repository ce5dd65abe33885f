#!/usr/bin/env python3
"""A mixed sheet as other programs read it: python-docx finds one table per part under its
heading, pdftotext finds the headings in order in both PDFs, --print prints each part after
its heading, and `history load` writes documents whose body equals the first run's.

    mixed_sheet_check.py QUILLMERE
"""
import glob
import os
import subprocess
import sys
import tempfile
import zipfile

from program_runs import failures, run

SKIP = 77

try:
    import docx
except ImportError:
    print("SKIP: python3-docx is not installed (apt-get install python3-docx)")
    sys.exit(SKIP)

PARTS = ["--part", "--kind oral --to 20 --count 20 --ops add --carry yes --columns 5",
         "--part", "--kind vertical --ops mul --count 10 --columns 3",
         "--part", "--kind steps --count 4 --columns 2"]
HEADINGS = ["一、口算", "二、竖式计算", "三、脱式计算"]


def in_order(text, words):
    at = 0
    for word in words:
        at = text.find(word, at)
        if at < 0:
            return False
    return True


def check_docx(path):
    document = docx.Document(path)
    headings = [p for p in document.paragraphs if "、" in p.text]
    if [p.text for p in headings] != HEADINGS:
        failures.append(f"{path}: headings {[p.text for p in headings]}")
    if not all(p.paragraph_format.keep_with_next for p in headings):
        failures.append(f"{path}: a heading may part from its table")
    columns = [len(table.columns) for table in document.tables]
    if columns != [5, 3, 2]:
        failures.append(f"{path}: table columns {columns}")
    # The body of the document: heading, table, heading, table, …
    order = [child.tag.split("}")[1] for child in document.element.body]
    tables_after_headings = [i for i, tag in enumerate(order) if tag == "tbl"]
    if len(tables_after_headings) != 3:
        failures.append(f"{path}: {len(tables_after_headings)} tables in the body")


def document_body(path):
    with zipfile.ZipFile(path) as package:
        return package.read("word/document.xml")


def main():
    program = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory() as work:
        history = os.path.join(work, "历史题目.txt")
        first = os.path.join(work, "first")
        run(program, "generate", "--grade", "3", "--seed", "5", "--answers", "--format", "both",
            "--out", first, "--history", history, *PARTS, cwd=work)
        written = sorted(glob.glob(os.path.join(first, "*.docx")))
        if len(written) != 2:
            failures.append(f"documents written: {written}")
        for path in written:
            check_docx(path)
        for path in sorted(glob.glob(os.path.join(first, "*.pdf"))):
            text = subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True,
                                  text=True).stdout
            if not in_order(text, ["混合练习"] + HEADINGS):
                failures.append(f"{path}: headings not in order in the PDF text")

        printed = run(program, "generate", "--grade", "3", "--seed", "5", "--print", *PARTS,
                      cwd=work).splitlines()
        positions = [printed.index(h) if h in printed else -1 for h in HEADINGS]
        if positions != [0, 21, 32]:
            failures.append(f"--print headings at lines {positions}")

        listed = run(program, "history", "list", "--history", history, cwd=work)
        if "混合练习" not in listed:
            failures.append(f"history list: {listed!r}")
        again = os.path.join(work, "again")
        run(program, "history", "load", "1", "--answers", "--history", history, "--out", again,
            cwd=work)
        reloaded = sorted(glob.glob(os.path.join(again, "*.docx")))
        if [document_body(p) for p in reloaded] != [document_body(p) for p in written]:
            failures.append("history load: the documents differ from the first run's")
    for failure in failures:
        print(failure)
    print(f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
