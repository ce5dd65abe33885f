#!/usr/bin/env python3
"""A class of 40 as python-docx, pdfinfo and pdftotext read it: one question document and one answer document,
each sheet from a new page. python-docx finds every name line once in the roster's order,
39 page breaks and 40 different tables; the key carries the same names and codes in the same
order; pdfinfo counts as many pages in the question PDF as in the answer PDF, pdftotext finds
the names in order; the history holds one entry per pupil, and `key` writes one pupil's pair.

    class_sheets_check.py QUILLMERE
"""
import glob
import os
import re
import subprocess
import sys
import tempfile

from program_runs import failures, run

SKIP = 77

try:
    import docx
except ImportError:
    print("SKIP: python3-docx is not installed (apt-get install python3-docx)")
    sys.exit(SKIP)

NAMES = [f"学生{k}" for k in range(1, 41)]
CODE = re.compile(r"\b([2-9A-HJ-NP-Z]{5})\b")


def sheets_of(path, name_line):
    """Each sheet's name and code, whether it starts a page, and its table's text."""
    document = docx.Document(path)
    sheets = []
    code = None
    for paragraph in document.paragraphs:
        found = CODE.search(paragraph.text)
        if found and "Quillmere" in paragraph.text:
            code = (found.group(1), paragraph.paragraph_format.page_break_before)
        match = re.match(name_line, paragraph.text)
        if match:
            sheets.append({"name": match.group(1), "code": code[0], "new page": code[1]})
    tables = ["\n".join(cell.text for row in t.rows for cell in row.cells) for t in document.tables]
    breaks = sum(1 for p in document.paragraphs if p.paragraph_format.page_break_before)
    return sheets, tables, breaks


def check_documents(folder):
    files = sorted(os.path.basename(f) for f in glob.glob(os.path.join(folder, "*")))
    if len(files) != 4:
        failures.append(f"one question and one answer document in two formats, not {files}")
        return
    answers = [f for f in files if "(答案)" in f]
    questions = [f for f in files if "(答案)" not in f]
    question_docx = os.path.join(folder, next(f for f in questions if f.endswith(".docx")))
    answer_docx = os.path.join(folder, next(f for f in answers if f.endswith(".docx")))
    sheets, tables, breaks = sheets_of(question_docx, r"姓名：(\S+)\s+座号")
    keys, key_tables, key_breaks = sheets_of(answer_docx, r"姓名：(\S+)$")
    if [s["name"] for s in sheets] != NAMES:
        failures.append(f"question sheets' names {[s['name'] for s in sheets]}")
    if [(k["name"], k["code"]) for k in keys] != [(s["name"], s["code"]) for s in sheets]:
        failures.append("the keys' names and codes differ from the sheets'")
    if len(set(s["code"] for s in sheets)) != len(NAMES):
        failures.append("codes are not all different")
    if [s["new page"] for s in sheets] != [None] + [True] * 39 or breaks != 39 or key_breaks != 39:
        failures.append(f"page breaks: {breaks} and {key_breaks}, before {[s['new page'] for s in sheets]}")
    if len(tables) != 40 or len(set(tables)) != 40 or len(key_tables) != 40:
        failures.append(f"{len(set(tables))} different sets in {len(tables)} tables")
    pages = []
    for name in (questions, answers):
        pdf = os.path.join(folder, next(f for f in name if f.endswith(".pdf")))
        info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
        pages.append(int(re.search(r"Pages:\s+(\d+)", info).group(1)))
        text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True,
                              text=True).stdout
        if re.findall(r"姓名：(学生\d+)", text) != NAMES:
            failures.append(f"{pdf}: the names are not each once in order")
    if pages[0] != pages[1] or pages[0] < 40:
        failures.append(f"question and answer PDFs have {pages[0]} and {pages[1]} pages")
    return sheets[16]["code"] if len(sheets) > 16 else None


def check_history_and_key(program, folder, history, code):
    with open(history, encoding="utf-8") as file:
        lines = file.read().splitlines()
    names = [re.search(r"\|sheet=\S+ (\S+)$", line).group(1) for line in lines]
    if names != NAMES:
        failures.append(f"history entries by name {names}")
    keys = os.path.join(folder, "钥")
    run(program, "key", code.lower(), "--history", history, "--out", keys, cwd=folder)
    written = glob.glob(os.path.join(keys, "*.docx"))
    if len(written) != 2:
        failures.append(f"key {code} wrote {written}")
    for path in written:
        text = "\n".join(p.text for p in docx.Document(path).paragraphs)
        if text.count("姓名：") != 1 or "学生17" not in text or code not in text:
            failures.append(f"{path}: not one sheet for 学生17 {code}")


def main():
    program = sys.argv[1]
    with tempfile.TemporaryDirectory() as folder:
        roster = os.path.join(folder, "名单.txt")
        with open(roster, "w", encoding="utf-8") as file:
            file.write("\n".join(NAMES) + "\n")
        out, history = os.path.join(folder, "卷"), os.path.join(folder, "历史.txt")
        run(program, "generate", "--roster", roster, "--count", "12", "--answers", "--seed", "5",
            "--format", "both", "--out", out, "--history", history, cwd=folder)
        code = check_documents(out)
        if code:
            check_history_and_key(program, folder, history, code)
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
