#!/usr/bin/env python3
"""Fails when an option that `quillmere generate|answer|history|records|review --help` lists
(or recipe|batch) is missing from the manual page or from the bash completion, or when the kinds
that `quillmere generate --help` lists (from the kind table) differ from the
completion's values of --kind or are not in the manual page.

    option_docs_check.py QUILLMERE MANUAL_PAGE BASH_COMPLETION
"""
import re
import subprocess
import sys

OPTION = re.compile(r"--[a-z][a-z-]*")
# In the help's --kind entry each kind is its command name and its caption: "oral 口算".
KIND = re.compile(r"\b([a-z]+) [^\x00-\x7f]")
COMPLETED_KINDS = re.compile(r"--kind\)\s*COMPREPLY=\(\$\(compgen -W '([^']*)'")


def help_text(program, command):
    return subprocess.run([program, command, "--help"], capture_output=True, text=True,
                          check=True).stdout


def listed_options(program, command):
    return set(OPTION.findall(help_text(program, command)))


def listed_kinds(program):
    text = help_text(program, "generate")
    entry = text[text.index("--kind"):text.index("--numbers")]
    return KIND.findall(entry)


def undocumented_kinds(program, manual, completion):
    kinds = listed_kinds(program)
    missing = [] if kinds else ["generate --kind: the help lists no kinds"]
    completed = COMPLETED_KINDS.search(completion)
    completed = set(completed.group(1).split()) if completed else set()
    for kind in kinds:
        if not re.search(rf"^\.B {kind}$", manual, re.MULTILINE):
            missing.append(f"generate --kind {kind}: not in the manual page")
        if kind not in completed:
            missing.append(f"generate --kind {kind}: not in the bash completion")
    for kind in sorted(completed - set(kinds)):
        missing.append(f"generate --kind {kind}: completed but not a kind")
    return missing


def main():
    program, manual_path, completion_path = sys.argv[1:4]
    # roff writes a hyphen in an option as \-
    with open(manual_path, encoding="utf-8") as manual:
        manual_text = manual.read().replace("\\-", "-")
    with open(completion_path, encoding="utf-8") as completion:
        completion_text = completion.read()
    manual_options = set(OPTION.findall(manual_text))
    completion_options = set(OPTION.findall(completion_text))
    missing = undocumented_kinds(program, manual_text, completion_text)
    for command in ("generate", "answer", "recipe", "batch", "history", "key", "records", "review"):
        for option in sorted(listed_options(program, command)):
            if option not in manual_options:
                missing.append(f"{command} {option}: not in the manual page {manual_path}")
            if option not in completion_options:
                missing.append(f"{command} {option}: not in the bash completion {completion_path}")
    for line in missing:
        print(line)
    print(f"{len(missing)} options and kinds undocumented")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
