#pragma once
// A number list as an Excel 97-2003 workbook: column 序号 (the serial number
// from 1), the number column (the numbers as text, so leading zeros stay),
// then one column per attribute, each cell the attribute's value for the
// row's number from an attribute table.

#include "numbers/number_list.h"
#include "storage/safe_file.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vesk::files {

// The attribute table: kTableCodes numbers (codes 000..999) of kTableAttributes
// values each, entry (code, k) at code * kTableAttributes + k.
inline constexpr int kTableCodes = 1000;
inline constexpr int kTableAttributes = 11;
// The attribute whose values are digit codes, shown with leading zeros.
inline constexpr int kRoadAttribute = 7;

struct AttributeColumn {
    std::string title; // UTF-8
    int attribute = 0; // 0..10; any other index gives a titled empty column
};

struct SpreadsheetColumns {
    std::string numberTitle = "投注号码";
    std::vector<AttributeColumn> attributes;
    // kTableCodes * kTableAttributes values, or empty for empty attribute
    // cells. The table covers 3-digit numbers; lists of other lengths get
    // empty attribute cells.
    std::span<const std::int32_t> table;
};

// Writes list beside path and renames it into place once complete.
FileResult WriteResultSpreadsheet(const std::string& path, const NumberList& list,
                                    const SpreadsheetColumns& columns);

} // namespace vesk::files
