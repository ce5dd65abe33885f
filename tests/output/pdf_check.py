#!/usr/bin/python3
"""Writes drawn sets of every kind as both .docx and PDF and checks the PDFs with poppler's
tools: the text, in drawing order, is the .docx's text (title block, items and answers, in
order, on question and answer sheets); every font is embedded as a subset; an answer sheet
has as many pages as its question sheet; fractions are drawn stacked. Also: a PDF that
cannot be made (no CJK font) is refused with a clear message and leaves no file.

Usage: pdf_check.py QUILLMERE"""

import html
import os
import re
import shutil
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).parent))
from rendering_check import DRAWN, ONE_PAGE, page_count, stacked_boxes, word_boxes  # noqa: E402

SKIP = 77
XML_TEXT = re.compile(r"<(w|m):t(?: [^>]*)?>([^<]*)</\1:t>")
FRACTION = re.compile(r"<m:num>.*?<m:t[^>]*>([^<]*)</m:t>.*?<m:den>.*?<m:t[^>]*>([^<]*)</m:t>", re.S)
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def comparable(text):
    """Text without blanks and brackets: brackets that grow around fractions are drawn in
    the PDF but are an attribute of the formula in the .docx."""
    return re.sub(r"[\s()]", "", text)


def docx_text(docx):
    xml = zipfile.ZipFile(docx).read("word/document.xml").decode("utf-8")
    return "".join(html.unescape(m.group(2)) for m in XML_TEXT.finditer(xml)), \
        FRACTION.findall(xml)


def pdf_text(pdf):
    return subprocess.run(["pdftotext", "-raw", str(pdf), "-"], check=True,
                          capture_output=True, text=True).stdout


def check_fonts(name, pdf):
    rows = subprocess.run(["pdffonts", str(pdf)], check=True, capture_output=True,
                          text=True).stdout.splitlines()[2:]
    check(rows, f"{name}: no font in the PDF")
    for row in rows:
        fields = row.split()
        # name type... emb sub uni object-id gen: the flags are the 5th-3rd from the end.
        emb, sub = fields[-5], fields[-4]
        check(emb == "yes" and sub == "yes" and re.match(r"[A-Z]{6}\+", fields[0]),
              f"{name}: font not an embedded subset: {row}")


def check_sheet(name, docx, pdf):
    expected, fractions = docx_text(docx)
    drawn = pdf_text(pdf)
    check(comparable(drawn) == comparable(expected),
          f"{name}: PDF text differs from the sheet's\n  docx: {comparable(expected)[:300]}"
          f"\n  pdf:  {comparable(drawn)[:300]}")
    check_fonts(name, pdf)
    if fractions:
        words = word_boxes(pdf)
        for numerator, denominator in fractions[:12]:
            check(stacked_boxes(words, numerator, denominator),
                  f"{name}: {numerator}/{denominator} not drawn stacked")
    return len(fractions)


def write_set(program, options, out, extra_env=None):
    env = dict(os.environ, **(extra_env or {}))
    return subprocess.run([program, "generate", *options, "--answers", "--no-save",
                           "--out", str(out)], capture_output=True, text=True, timeout=120,
                          env=env)


def check_drawn_sets(program, folder):
    pairs = fractions = 0
    for number, options in enumerate(DRAWN):
        out = Path(folder) / f"set{number}"
        result = write_set(program, [*options, "--format", "both"], out)
        if result.returncode != 0:
            continue  # settings a kind refuses
        label = " ".join(options)
        pdfs = sorted(out.glob("*.pdf"), key=lambda p: "答案" in p.name)
        check(len(pdfs) == 2 and len(list(out.glob("*.docx"))) == 2,
              f"{label}: {len(pdfs)} PDFs written beside the .docx files")
        if len(pdfs) != 2:
            continue
        for pdf in pdfs:
            fractions += check_sheet(f"{label} {pdf.name}", pdf.with_suffix(".docx"), pdf)
        check(page_count(pdfs[0]) == page_count(pdfs[1]),
              f"{label}: question sheet {page_count(pdfs[0])} pages, "
              f"answer sheet {page_count(pdfs[1])}")
        check(ONE_PAGE not in options or page_count(pdfs[0]) == 1,
              f"{label}: {page_count(pdfs[0])} pages")
        pairs += 1
    check(pairs >= len(DRAWN) - 4, f"only {pairs} of {len(DRAWN)} drawn sets written")
    check(fractions > 0, "no fraction drawn in the fraction sets")
    return pairs, fractions


def check_refusal_without_fonts(program, folder):
    """Without any font the PDF is refused, and not even the .docx of the set is left."""
    config = Path(folder) / "fonts.conf"
    config.write_text('<?xml version="1.0"?><fontconfig><dir>/nonexistent</dir>'
                      f'<cachedir>{folder}/fc-cache</cachedir></fontconfig>', encoding="utf-8")
    out = Path(folder) / "nofont"
    result = write_set(program, ["--kind", "oral", "--seed", "1", "--format", "both"], out,
                       {"FONTCONFIG_FILE": str(config)})
    check(result.returncode == 1, f"no font: exit status {result.returncode}")
    check("找不到中文字体" in result.stderr, f"no font: message {result.stderr!r}")
    left = list(out.glob("*")) if out.exists() else []
    check(not left, f"no font: files left behind: {left}")


def main():
    if shutil.which("pdftotext") is None or shutil.which("pdffonts") is None:
        print("SKIP: poppler-utils (pdftotext, pdffonts, pdfinfo) is not installed")
        return SKIP
    with tempfile.TemporaryDirectory() as folder:
        pairs, fractions = check_drawn_sets(sys.argv[1], folder)
        check_refusal_without_fonts(sys.argv[1], folder)
        print(f"{pairs} pairs of sheets, {fractions} fractions compared")
    for failure in failures:
        print("FAIL:", failure)
    print("PDF check:", "failed" if failures else "passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
