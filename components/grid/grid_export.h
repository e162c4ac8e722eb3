#pragma once
// The grid's content as an Excel 97-2003 workbook: one column per grid
// column under its title, one row per grid row in grid order. Text cells go
// as text (bet numbers keep their leading zeros), number cells as numbers;
// a column whose numbers are padded to D digits gets the number format of D
// zeros, so the spreadsheet shows them as the grid does. Rows beyond one
// sheet continue on further sheets (the writer's rule).

#include "components/grid/grid_table.h"

#include <string>
#include <string_view>

namespace vesk::grid {

// "xls" in any case, with or without a leading dot.
bool IsWorkbookExtension(std::string_view extension);

struct ExportOutcome {
    bool ok = false;
    std::string error; // English; empty when written
};

// Writes beside path and renames into place once complete, so a failed
// write leaves an old file at path as it was.
ExportOutcome ExportWorkbook(const GridTable& table, const std::string& path);

} // namespace vesk::grid
