#!/usr/bin/env python3
"""Fails when a folder includes one that stands above it, or when a Qt-free
folder includes a Qt header. The layers and the Qt-free folders are the
README's layout table; the check names every offending file and line."""

import pathlib
import re
import sys

# From the bottom up; a folder may include its own layer and those below.
LAYERS = [
    ["host", "numbers"],
    ["application"],
    ["framework"],
    ["skin"],
    ["pages"],
    ["filtering"],
    ["module"],
    ["components", "app"],
    ["tools"],
    ["tests", "bench"],
]

# Folders whose code compiles without Qt (with everything below them).
QT_FREE = [
    "host", "numbers", "application", "skin/geometry", "pages/files", "pages/xls", "pages/history",
    "filtering/rules", "module/core", "module/catalogue",
    "components/filter/engine", "components/filter/component", "components/features/analysis",
]

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^Q[A-Z]\w*$|^Qt\w*/")
SOURCES = (".h", ".hpp", ".cpp", ".cc")


def layer_of(path):
    top = path.split("/", 1)[0]
    for index, layer in enumerate(LAYERS):
        if top in layer:
            return index
    return None


def is_qt_free(path):
    return any(path.startswith(folder + "/") for folder in QT_FREE)


def check(root):
    faults = []
    for file in sorted(root.rglob("*")):
        if file.suffix not in SOURCES or "build" in file.relative_to(root).parts[:1]:
            continue
        path = file.relative_to(root).as_posix()
        own = layer_of(path)
        if own is None:
            continue
        for number, line in enumerate(file.read_text(encoding="utf-8", errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            quote, included = match.groups()
            if quote == '"':
                theirs = layer_of(included)
                if theirs is not None and theirs > own:
                    faults.append(f"{path}:{number}: includes {included}, which stands above it")
            elif is_qt_free(path) and QT_HEADER.match(included):
                faults.append(f"{path}:{number}: includes Qt's <{included}> in a folder without Qt")
    return faults


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    faults = check(root)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
