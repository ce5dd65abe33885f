#!/usr/bin/env python3
"""Fails when an option that `quillmere generate|answer|history --help` lists
is missing from the manual page or from the bash completion.

    option_docs_check.py QUILLMERE MANUAL_PAGE BASH_COMPLETION
"""
import re
import subprocess
import sys

OPTION = re.compile(r"--[a-z][a-z-]*")


def listed_options(program, command):
    text = subprocess.run([program, command, "--help"], capture_output=True, text=True,
                          check=True).stdout
    return set(OPTION.findall(text))


def main():
    program, manual_path, completion_path = sys.argv[1:4]
    # roff writes a hyphen in an option as \-
    with open(manual_path, encoding="utf-8") as manual:
        manual_options = set(OPTION.findall(manual.read().replace("\\-", "-")))
    with open(completion_path, encoding="utf-8") as completion:
        completion_options = set(OPTION.findall(completion.read()))
    missing = []
    for command in ("generate", "answer", "history"):
        for option in sorted(listed_options(program, command)):
            if option not in manual_options:
                missing.append(f"{command} {option}: not in the manual page {manual_path}")
            if option not in completion_options:
                missing.append(f"{command} {option}: not in the bash completion {completion_path}")
    for line in missing:
        print(line)
    print(f"{len(missing)} options undocumented")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
