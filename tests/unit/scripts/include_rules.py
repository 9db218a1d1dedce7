#!/usr/bin/env python3
"""Holds every quoted include of src/ to the table of allowed dependencies in
docs/architecture.md: a file may include its own folder and the folders its row names.
Prints each include the table does not allow with its file, line and rule; exits 1 then.
   include_rules.py SOURCE_DIR"""
import os
import re
import sys

TABLE_HEADING = "## Allowed dependencies"
INCLUDE = re.compile(r'\s*#\s*include\s+"([^"]+)"')


def read_table(document):
    """The table under the heading: {folder: set of folders it may include}."""
    lines = open(document, encoding="utf-8").read().split("\n")
    start = lines.index(TABLE_HEADING)
    rules = {}
    for line in lines[start + 1:]:
        if line.startswith("## "):
            break
        cells = line.split("|")
        if len(cells) >= 4 and "`" in cells[1]:
            rules[cells[1].strip(" `")] = set(re.findall(r"`([^`]+)`", cells[2]))
    return rules


def source_files(root):
    for folder, subfolders, names in os.walk(os.path.join(root, "src")):
        subfolders.sort()
        for name in sorted(names):
            if name.endswith((".c", ".cpp", ".h")):
                yield os.path.join(folder, name)


def folder_of_include(root, own_folder, included):
    """The folder an include names, as the table writes it; None when no such file exists."""
    for base, prefix in (("src", ""), ("resources", "resources/")):
        if os.path.isfile(os.path.join(root, base, included)):
            return prefix + os.path.dirname(included)
    if os.path.isfile(os.path.join(root, "src", own_folder, included)):
        return own_folder
    return None


def folder_of_file(root, path):
    return os.path.relpath(os.path.dirname(path), os.path.join(root, "src"))


def check_file(root, path, own, allowed):
    shown = os.path.relpath(path, root)
    faults = []
    for number, line in enumerate(open(path, encoding="utf-8"), 1):
        match = INCLUDE.match(line)
        if not match:
            continue
        target = folder_of_include(root, own, match.group(1))
        if target is None:
            faults.append(f"{shown}:{number}: includes {match.group(1)}, which is no file of src/ or resources/")
        elif target != own and target not in allowed:
            may = ", ".join(sorted(allowed)) or "nothing but itself"
            faults.append(f"{shown}:{number}: includes {match.group(1)}: the rule for {own} is that it may include {may}")
    return faults


def stale_rows(root, rules):
    """Rows and allowed folders that name no folder of the tree: the table must match it."""
    named = set(rules) | set().union(*rules.values())
    return [f"docs/architecture.md: {name} is no folder of the tree" for name in sorted(named)
            if not os.path.isdir(os.path.join(root, name if name.startswith("resources/") else "src/" + name))]


def main(root):
    rules = read_table(os.path.join(root, "docs", "architecture.md"))
    faults = stale_rows(root, rules)
    without_row = set()
    for path in source_files(root):
        own = folder_of_file(root, path)
        if own in rules:
            faults += check_file(root, path, own, rules[own])
        else:
            without_row.add(own)
    faults += [f"src/{folder}: no row in the table of docs/architecture.md" for folder in sorted(without_row)]
    for fault in faults:
        print(fault)
    print(f"{len(faults)} fault(s) against the table of docs/architecture.md" if faults
          else f"every include of src/ follows the {len(rules)} rows of docs/architecture.md")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
