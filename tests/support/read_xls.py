#!/usr/bin/env python3
"""Prints every sheet of an .xls workbook as xlrd reads it, for the tests.

For each sheet a line "== <name> <rows>x<columns>", then one line per row with
its cells separated by tabs: numbers as n:<value> (integers without a
fraction), text as t:<text>, empty cells as nothing. With --format the
number format string of each non-empty cell of row 1 follows as a last line
"formats".
"""
import sys

import xlrd


def cell_text(cell):
    if cell.ctype == xlrd.XL_CELL_NUMBER:
        value = cell.value
        return "n:%d" % value if value == int(value) else "n:%r" % value
    if cell.ctype == xlrd.XL_CELL_TEXT:
        return "t:" + cell.value
    if cell.ctype == xlrd.XL_CELL_EMPTY:
        return ""
    return "?%d" % cell.ctype


def main():
    path = sys.argv[1]
    book = xlrd.open_workbook(path, formatting_info="--format" in sys.argv)
    out = sys.stdout
    for sheet in book.sheets():
        out.write("== %s %dx%d\n" % (sheet.name, sheet.nrows, sheet.ncols))
        for r in range(sheet.nrows):
            out.write("\t".join(cell_text(c) for c in sheet.row(r)) + "\n")
        if "--format" in sys.argv and sheet.nrows > 1:
            formats = []
            for c in range(sheet.ncols):
                if sheet.cell_type(1, c) == xlrd.XL_CELL_EMPTY:
                    formats.append("")
                    continue
                xf = book.xf_list[sheet.cell_xf_index(1, c)]
                formats.append(book.format_map[xf.format_key].format_str)
            out.write("formats\t" + "\t".join(formats) + "\n")


if __name__ == "__main__":
    main()
