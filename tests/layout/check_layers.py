#!/usr/bin/env python3
"""Fails when a folder includes one that stands above it or beside it, when a
component library reaches into another's folder, or when a Qt-free folder
includes a Qt header. The layers are the rows of the README's layout table,
which this check reads and compares with its own list; it names every
offending file and line."""

import pathlib
import re
import sys

# From the bottom up, one entry per row of the README's layout table; a folder
# may include its own folder and the rows below it. Folders that share a row
# stand side by side: neither includes the other (tests and bench excepted,
# which share helpers).
LAYERS = [
    ["host"],
    ["numbers"],
    ["storage"],
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
SHARING_ROWS = {"tests", "bench"}

# A library under components/ reaches another library's folder only through
# these: the feature kit, the analysis core and the filter engine.
SHARED_COMPONENT_FOLDERS = ["components/features/kit", "components/features/analysis", "components/filter/engine"]

# The rows of the README's table that hold no code.
NON_CODE_ROWS = {"packaging", "docs", "data"}

# Folders whose code compiles without Qt (with everything below them).
QT_FREE = [
    "host", "numbers", "storage", "application", "skin/geometry", "pages/history",
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


def top_of(path):
    return path.split("/", 1)[0]


def component_library(path):
    """The library folder under components/ that a path lies in, else None."""
    parts = path.split("/")
    if parts[0] != "components" or len(parts) < 3:
        return None
    if parts[1] == "features":
        return "/".join(parts[:3]) if len(parts) >= 4 else None
    return "/".join(parts[:2])


def reaches_into_component(path, included):
    own, theirs = component_library(path), component_library(included)
    if own is None or theirs is None or own == theirs:
        return False
    return not any(included.startswith(folder + "/") for folder in SHARED_COMPONENT_FOLDERS)


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
                elif (theirs == own and top_of(included) != top_of(path)
                      and top_of(path) not in SHARING_ROWS):
                    faults.append(f"{path}:{number}: includes {included}, which stands beside it")
                elif reaches_into_component(path, included):
                    faults.append(f"{path}:{number}: includes {included}, inside another component's library")
            elif is_qt_free(path) and QT_HEADER.match(included):
                faults.append(f"{path}:{number}: includes Qt's <{included}> in a folder without Qt")
    return faults


TABLE_ROW = re.compile(r"^\|\s*(`[^|]*)\|")
FOLDER = re.compile(r"`([a-z_]+)/`")


def readme_rows(root):
    """The folders of each row of the README's layout table, from the bottom."""
    rows = []
    readme = root / "README.md"
    if not readme.exists():
        return None
    in_layout = in_table = False
    for line in readme.read_text(encoding="utf-8").splitlines():
        if line.startswith("#"):
            in_layout = line.strip() == "## Layout"
            continue
        if not in_layout:
            continue
        if not line.startswith("|"):
            if in_table:  # the section's first table is the layout table
                break
            continue
        in_table = True
        match = TABLE_ROW.match(line)
        if match:
            folders = FOLDER.findall(match.group(1))
            if folders and not set(folders) <= NON_CODE_ROWS:
                rows.append(folders)
    return rows


def check_readme(root):
    rows = readme_rows(root)
    if rows is None:
        return []
    if rows == LAYERS:
        return []
    return [f"README.md: the layout table's rows {rows} differ from the check's layers {LAYERS}"]


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".").resolve()
    faults = check_readme(root) + check(root)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
