#!/usr/bin/env python3
"""The layer check itself: a planted upward include and a Qt header in a
Qt-free folder are named with file and line; includes downward pass."""

import pathlib
import subprocess
import sys
import tempfile

CHECK = pathlib.Path(__file__).with_name("check_layers.py")


def run(tree):
    with tempfile.TemporaryDirectory() as root:
        for path, text in tree.items():
            file = pathlib.Path(root, path)
            file.parent.mkdir(parents=True, exist_ok=True)
            file.write_text(text, encoding="utf-8")
        done = subprocess.run([sys.executable, str(CHECK), root], capture_output=True, text=True)
        return done.returncode, done.stdout.splitlines()


def main():
    failures = []
    code, lines = run({
        "numbers/list.h": '#pragma once\n#include "host/ids.h"\n#include "pages/result/result_page.h"\n',
        "host/ids.h": "#pragma once\n#include <cstdint>\n#include <QString>\n",
        "pages/result/page.cpp": '#include "numbers/list.h"\n#include "framework/cwnd.h"\n#include <QWidget>\n',
        "components/filter/engine/set.cpp": '#include "numbers/list.h"\n#include <QtCore/QList>\n',
        "tools/cli/main.cpp": '#include "app/window/main_window.h"\n#include "components/filter/engine/set.h"\n',
    })
    expected = [
        "components/filter/engine/set.cpp:2: includes Qt's <QtCore/QList> in a folder without Qt",
        "host/ids.h:3: includes Qt's <QString> in a folder without Qt",
        "numbers/list.h:3: includes pages/result/result_page.h, which stands above it",
    ]
    if code != 1 or lines != expected:
        failures.append(f"planted faults: exit {code}, said {lines}")
    code, lines = run({"pages/a.cpp": '#include "numbers/b.h"\n', "app/c.cpp": '#include "components/d.h"\n'})
    if code != 0 or lines:
        failures.append(f"downward includes: exit {code}, said {lines}")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
