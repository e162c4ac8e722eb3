#pragma once
// The workbook columns vesk-cli writes: the host's default attribute columns
// with their titles, and the attribute table computed the host's way. No draw
// history is read, so the omission attributes would show as -1; the default
// columns do not include them.

#include "storage/files/result_spreadsheet.h"

#include <cstdint>
#include <vector>

namespace vesk::cli {

struct DefaultColumns {
    std::vector<std::int32_t> table; // owns what columns.table views
    files::SpreadsheetColumns columns;
};

// The result's columns view its own table: keep it where it was made.
void MakeDefaultColumns(DefaultColumns& made);

} // namespace vesk::cli
