#!/usr/bin/env python3
"""The layer check itself: a planted upward or sideways include, a component
library reaching into another's folder, a Qt header in a Qt-free folder and a
README whose layout table disagrees with the check are named; includes
downward and through the shared component folders pass."""

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
    code, lines = run({
        "app/window/main_window.cpp": '#include "components/other/column_records.h"\n',
        "components/other/arrangement.cpp": '#include "app/services/column_defaults.h"\n',
        "components/features/query/state_columns.cpp": '#include "components/other/column_records.h"\n',
        "components/features/pick/pick_window.cpp": '#include "components/features/query/query_frame.h"\n',
        "components/features/analysis/value_labels.cpp": '#include "components/filter/component/value_choices.h"\n',
        "storage/files/result_file.cpp": '#include "application/option_ids.h"\n',
    })
    expected = [
        "app/window/main_window.cpp:1: includes components/other/column_records.h, which stands beside it",
        "components/features/analysis/value_labels.cpp:1: includes components/filter/component/value_choices.h, "
        "inside another component's library",
        "components/features/pick/pick_window.cpp:1: includes components/features/query/query_frame.h, "
        "inside another component's library",
        "components/features/query/state_columns.cpp:1: includes components/other/column_records.h, "
        "inside another component's library",
        "components/other/arrangement.cpp:1: includes app/services/column_defaults.h, which stands beside it",
        "storage/files/result_file.cpp:1: includes application/option_ids.h, which stands above it",
    ]
    if code != 1 or lines != expected:
        failures.append(f"sideways and cross-library includes: exit {code}, said {lines}")
    code, lines = run({
        "pages/a.cpp": '#include "numbers/b.h"\n#include "storage/files/c.h"\n',
        "app/c.cpp": '#include "application/d.h"\n',
        "components/features/query/w.cpp": '#include "components/features/kit/k.h"\n'
                                           '#include "components/features/analysis/query/q.h"\n'
                                           '#include "components/filter/engine/e.h"\n'
                                           '#include "components/features/query/own.h"\n',
        "components/filter/window/w.cpp": '#include "components/filter/component/c.h"\n',
        "tests/t.cpp": '#include "bench/b.h"\n',
    })
    if code != 0 or lines:
        failures.append(f"downward and shared includes: exit {code}, said {lines}")
    table = "| `host/` | x | no |\n| `numbers/` | x | no |\n| `storage/` | x | no |\n| `application/` | x | no |\n"
    table += "".join(f"| `{f}/` | x | |\n" for f in ["framework", "skin", "pages", "filtering", "module"])
    table += "| `app/` | x | |\n| `tools/` | x | |\n| `tests/`, `bench/` | x | |\n| `data/` | x | |\n"
    code, lines = run({"README.md": "# x\n\n## Layout\n\n| folder | holds | Qt? |\n|---|---|---|\n" + table})
    if code != 1 or len(lines) != 1 or not lines[0].startswith("README.md: the layout table's rows"):
        failures.append(f"README without the components row: exit {code}, said {lines}")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
