#!/usr/bin/env python3
"""A class of 40 as python-docx, pdfinfo and pdftotext read it: one question document and one answer document,
each sheet from a new page. python-docx finds every name line once in the roster's order,
39 page breaks and 40 different tables; the key carries the same names and codes in the same
order; pdfinfo counts as many pages in the question PDF as in the answer PDF, pdftotext finds
the names in order; the history holds one entry per pupil, and `key` writes one pupil's pair.
Mixed sheets for five copies: five different sets of both parts, each from a new page, the
keys in the same order, one mixed history entry each, and `key` writes one copy's pair again.

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
    import docx.table
    import docx.text.paragraph
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


MIXED_PARTS = ["--part", "--kind oral --to 20 --count 12 --ops add", "--part",
               "--kind vertical --ops mul --count 4 --columns 2"]


def mixed_sheets(path):
    """Each sheet's code, whether it starts a page, and the text of its tables, in body order."""
    document = docx.Document(path)
    sheets = []
    for child in document.element.body.iterchildren():
        tag = child.tag.split("}")[1]
        if tag == "p":
            paragraph = docx.text.paragraph.Paragraph(child, document)
            found = CODE.search(paragraph.text)
            if found and "Quillmere" in paragraph.text:
                sheets.append({"code": found.group(1), "tables": [],
                               "new page": paragraph.paragraph_format.page_break_before})
        elif tag == "tbl" and sheets:
            table = docx.table.Table(child, document)
            sheets[-1]["tables"].append([cell.text for row in table.rows for cell in row.cells])
    return sheets


def keyed(question, key):
    """Whether every cell of the key starts with the question's cell."""
    return len(question["tables"]) == len(key["tables"]) and all(
        len(q) == len(k) and all(a.startswith(b) for a, b in zip(k, q))
        for q, k in zip(question["tables"], key["tables"]))


def check_mixed(program, folder, copies=5):
    out, history = os.path.join(folder, "混合"), os.path.join(folder, "混合历史.txt")
    run(program, "generate", "--copies", str(copies), "--answers", "--seed", "3", "--format",
        "both", "--out", out, "--history", history, *MIXED_PARTS, cwd=folder)
    [question] = glob.glob(os.path.join(out, "混合练习-*[0-9].docx")) or [None]
    [answer] = glob.glob(os.path.join(out, "混合练习-*(答案).docx")) or [None]
    if not question or not answer or len(glob.glob(os.path.join(out, "*.pdf"))) != 2:
        failures.append(f"mixed class documents: {os.listdir(out) if os.path.isdir(out) else []}")
        return
    sheets, keys = mixed_sheets(question), mixed_sheets(answer)
    codes = [s["code"] for s in sheets]
    if len(sheets) != copies or len(set(codes)) != copies:
        failures.append(f"mixed class: sheets with codes {codes}")
    if any(len(s["tables"]) != 2 for s in sheets):
        failures.append("mixed class: not both parts on every sheet")
    if len(set(repr(s["tables"]) for s in sheets)) != len(sheets):
        failures.append("mixed class: two pupils got the same set")
    for found in (sheets, keys):
        if [s["new page"] for s in found] != [None] + [True] * (copies - 1):
            failures.append(f"mixed class: page breaks {[s['new page'] for s in found]}")
    if [k["code"] for k in keys] != codes or not all(map(keyed, sheets, keys)):
        failures.append("mixed class: the keys are not the sheets' in the same order")
    for pdf in glob.glob(os.path.join(out, "*.pdf")):
        text = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True).stdout
        if CODE.findall(text) != codes:
            failures.append(f"{pdf}: codes {CODE.findall(text)}")
    with open(history, encoding="utf-8") as file:
        saved = [re.search(r"\|mixed\|.*\|sheet=(\S+) $", line) for line in file]
    if [m.group(1) if m else None for m in saved] != codes:
        failures.append(f"mixed class: history entries {saved}")
    if len(sheets) < 3:
        return
    again = os.path.join(folder, "混合钥")
    run(program, "key", sheets[2]["code"], "--history", history, "--out", again, cwd=folder)
    pair = sorted(glob.glob(os.path.join(again, "*.docx")))  # the key's name sorts first
    written = [[(s["code"], s["tables"]) for s in mixed_sheets(p)] for p in pair]
    if written != [[(s["code"], s["tables"])] for s in (keys[2], sheets[2])]:
        failures.append(f"key {sheets[2]['code']}: not that pupil's mixed pair: {pair}")


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
        check_mixed(program, folder)
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
