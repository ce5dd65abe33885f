#!/usr/bin/python3
"""Reads the sample documents back with python-docx and checks every package part."""

import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path
from xml.dom import minidom

SKIP = 77

try:
    import docx
    from docx.enum.table import WD_ROW_HEIGHT_RULE
    from docx.enum.text import WD_ALIGN_PARAGRAPH
    from docx.oxml.ns import qn
    from docx.shared import Pt, Twips
except ImportError:
    print("SKIP: python3-docx is not installed (apt-get install python3-docx)")
    sys.exit(SKIP)

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def check_package(path):
    with zipfile.ZipFile(path) as archive:
        check(archive.testzip() is None, f"{path.name}: damaged ZIP entry")
        names = archive.namelist()
        check(names[0] == "[Content_Types].xml", f"{path.name}: content types not first")
        types = archive.read("[Content_Types].xml").decode()
        for name in names:
            try:
                minidom.parseString(archive.read(name))
            except Exception as error:  # any parse error is a failure
                failures.append(f"{path.name}/{name}: not well-formed: {error}")
            if name.endswith(".xml") and name != "[Content_Types].xml":
                check(f'PartName="/{name}"' in types, f"{path.name}: no content type for {name}")


def east_asia_font(run):
    fonts = run._element.rPr.rFonts
    return fonts.get(qn("w:eastAsia")) if fonts is not None else None


def check_layout(path):
    document = docx.Document(str(path))
    section = document.sections[0]
    for margin in ("top_margin", "bottom_margin", "left_margin", "right_margin"):
        check(getattr(section, margin) == Pt(50), f"layout: {margin} is {getattr(section, margin)}")

    title = document.paragraphs[0]
    check(title.alignment == WD_ALIGN_PARAGRAPH.CENTER, "layout: title not centred")
    check(title.runs[0].text == "Quillmere" and title.runs[0].bold, "layout: title run")
    check(title.runs[0].font.size == Pt(22), "layout: title size")
    check(title.runs[1].font.size == Pt(12), "layout: date size")
    check(east_asia_font(title.runs[0]) == "宋体", "layout: title East-Asian font")
    check(document.paragraphs[2].text.startswith("姓名："), "layout: name line")

    check(len(document.tables) == 1, "layout: one table")
    table = document.tables[0]
    check(len(table.rows) == 4 and len(table.columns) == 3, "layout: 4 x 3 table")
    for index, row in enumerate(table.rows):
        expected = Pt(30) if index % 2 == 0 else Pt(90)
        check(row.height == expected, f"layout: row {index + 1} height {row.height}")
        check(row.height_rule == WD_ROW_HEIGHT_RULE.AT_LEAST, f"layout: row {index + 1} rule")
    expected_cells = {(0, 0): "37＋48＝", (0, 1): "63－27＝36", (0, 2): "A&B <c>",
                      (2, 0): "7÷2≈3.5", (2, 1): "47÷5＝9……2", (2, 2): "centred", (1, 0): ""}
    for (row, column), text in expected_cells.items():
        cell = table.cell(row, column)
        check(cell.text == text, f"layout: cell {row + 1},{column + 1} is {cell.text!r}")
    check(table.cell(0, 0).paragraphs[0].alignment == WD_ALIGN_PARAGRAPH.LEFT, "layout: typed cell left")
    check(table.cell(2, 2).paragraphs[0].alignment == WD_ALIGN_PARAGRAPH.CENTER, "layout: cell centred")
    run = table.cell(0, 1).paragraphs[0].runs[0]
    check(run.font.name == "楷体" and east_asia_font(run) == "楷体", "layout: table font")
    check(run.font.size == Pt(11), "layout: table size")
    widths = [column.width for column in table.columns]
    check(sum(widths) == Twips(11906 - 2 * 1000), f"layout: columns fill the text width: {widths}")
    borders = table._tbl.tblPr.find(qn("w:tblBorders"))
    check(borders is not None and all(b.get(qn("w:val")) == "single" for b in borders),
          "layout: single borders")


def check_fractions(path):
    document = docx.Document(str(path))
    table = document.tables[0]
    # python-docx skips Office Math: what remains are the signs in the table font.
    check(table.cell(0, 0).text == " +   ＝ ", f"fractions: cell text {table.cell(0, 0).text!r}")
    body = document.element.body
    fractions = body.findall(".//" + qn("m:f"))
    check(len(fractions) == 12, f"fractions: {len(fractions)} fractions")
    numerators = ["".join(t.text for t in f.find(qn("m:num")).iter(qn("m:t"))) for f in fractions]
    check(numerators[:3] == ["3", "1", "1"], f"fractions: numerators {numerators}")
    check(len(body.findall(".//" + qn("m:oMath") + "//" + qn("m:oMath"))) == 0, "fractions: nested maths")
    check(len(body.findall(".//" + qn("m:d"))) == 1, "fractions: one bracket pair")


def content_text(element):
    """Text below `element`: each Office Math fraction as numerator/denominator, each bracket
    pair (m:d) with its bracket characters around what it holds."""
    parts = []
    for child in element:
        if child.tag == qn("m:f"):
            parts.append("/".join(content_text(child.find(qn(side))) for side in ("m:num", "m:den")))
        elif child.tag == qn("m:d"):
            properties = child.find(qn("m:dPr"))
            def bracket(name, default):
                found = properties.find(qn(name)) if properties is not None else None
                return found.get(qn("m:val")) if found is not None else default
            inner = "".join(content_text(e) for e in child.findall(qn("m:e")))
            parts.append(bracket("m:begChr", "(") + inner + bracket("m:endChr", ")"))
        elif child.tag in (qn("w:t"), qn("m:t")):
            parts.append(child.text or "")
        else:
            parts.append(content_text(child))
    return "".join(parts)


def cell_text(cell):
    """The cell's text, each Office Math fraction read as numerator/denominator."""
    return content_text(cell._tc)


def check_worksheets(folder):
    """Every worksheet read back: page set-up, fonts, table geometry and cell texts."""
    sheets = {}
    for line in (Path(folder) / "manifest.tsv").read_text(encoding="utf-8").splitlines():
        name, key, value = line.split("\t", 2)
        sheets.setdefault(name, {"cells": []})
        if key == "cell":
            sheets[name]["cells"].append(value)
        else:
            sheets[name][key] = value
    check(len(sheets) == 32, f"worksheets: {len(sheets)} written")
    for name, sheet in sheets.items():
        path = Path(folder) / name
        check_package(path)
        document = docx.Document(str(path))
        check(document.sections[0].left_margin == Pt(50), f"{name}: margin")
        title = document.paragraphs[0]
        check(title.text.startswith(sheet["title"]), f"{name}: title {title.text!r}")
        check(title.runs[0].bold and east_asia_font(title.runs[0]) == "宋体", f"{name}: title font")
        has_name_line = any(p.text.startswith("姓名：") for p in document.paragraphs)
        check(has_name_line == (sheet["nameLine"] == "1"), f"{name}: name line")
        if "note" in sheet:
            notes = [p.text for p in document.paragraphs if p.text.startswith("☆")]
            check(notes == ([] if sheet["note"] == "none" else [sheet["note"]]),
                  f"{name}: time note {notes!r}")
        table = document.tables[0]
        check(len(table.rows) == int(sheet["tableRows"]) and
              len(table.columns) == int(sheet["tableColumns"]),
              f"{name}: table {len(table.rows)} x {len(table.columns)}")
        texts = [cell_text(cell) for row in table.rows for cell in row.cells if cell_text(cell)]
        check(sorted(texts) == sorted(sheet["cells"]), f"{name}: cell texts differ")
        work_rows = int(sheet["tableRows"]) == 12
        heights = sheet["rowHeights"].split()
        for index, row in enumerate(table.rows):
            asked = heights[index]
            expected = None if asked == "-" else Twips(round(float(asked) * 20))
            check(row.height == expected, f"{name}: row {index + 1} height {row.height}")
            # An item row keeps with its working row.
            kept = all(p.paragraph_format.keep_with_next for c in row.cells for p in c.paragraphs)
            check(kept == (work_rows and index % 2 == 0), f"{name}: row {index + 1} keep {kept}")
        typed = [run for row in table.rows for cell in row.cells
                 for p in cell.paragraphs for run in p.runs]
        check(all(east_asia_font(run) == "宋体" and run.font.size == Pt(11) for run in typed),
              f"{name}: table font")


def main():
    samples = Path(sys.argv[1])
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([str(samples), folder], check=True, stdout=subprocess.DEVNULL)
        layout = Path(folder) / "layout-sample.docx"
        fractions = Path(folder) / "fractions-sample.docx"
        for path in (layout, fractions):
            check_package(path)
        check_layout(layout)
        check_fractions(fractions)
        check_worksheets(folder)
    for failure in failures:
        print("FAIL:", failure)
    print("docx reader check:", "failed" if failures else "passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
