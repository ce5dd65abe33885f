#!/usr/bin/env python3
"""Fails when a source file includes a header of a layer it must not reach.

The layers, lowest first; a folder may include its own headers and those of lower ranks,
never a folder of its own rank (sideways) or above. Only the window uses Qt.

    tools/check-layers.py [ROOT]     prints each wrong include, exits 1 if there is one
"""
import pathlib
import re
import sys

RANKS = {
    "base": 0,
    "settings": 1,
    "problems": 2,
    "output": 3,
    "history": 3,
    "records": 3,
    "engine": 4,
    "cli": 5,
    "window": 5,
}
QT_FOLDERS = {"window"}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')


def wrong_includes(root):
    for path in sorted(root.rglob("*")):
        if path.suffix not in (".h", ".cpp") or not path.is_file():
            continue
        folder = path.relative_to(root).parts[0]
        if folder not in RANKS:
            continue
        lines = path.read_text(encoding="utf-8", errors="replace").splitlines()
        for number, line in enumerate(lines, 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            quote, header = match.groups()
            where = f"{path.relative_to(root)}:{number}"
            if quote == "<" and header.startswith("Q") and folder not in QT_FOLDERS:
                yield f"{where}: {folder}/ must not use Qt ({header})"
            target = header.split("/")[0]
            if quote != '"' or target not in RANKS or target == folder:
                continue
            if RANKS[target] >= RANKS[folder]:
                direction = "sideways" if RANKS[target] == RANKS[folder] else "upwards"
                yield f"{where}: {folder}/ includes {header} ({direction})"


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    problems = list(wrong_includes(root))
    for problem in problems:
        print(problem)
    counted = sum(1 for p in root.rglob("*") if p.suffix in (".h", ".cpp")
                  and p.relative_to(root).parts[0] in RANKS)
    print(f"{counted} files checked, {len(problems)} wrong includes")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
