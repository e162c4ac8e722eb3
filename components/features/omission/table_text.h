#pragma once
// The omission table as the window shows and exports it, without Qt: the
// column titles and each row's cells as text, with the exact value that
// sorting uses.

#include "components/features/analysis/omission_table.h"

#include <string>
#include <vector>

namespace vesk::omission {

inline constexpr int kTableColumns = 10;
// 项目, 当前遗漏, 上次遗漏, 最大遗漏, 平均遗漏, 理论遗漏, 欲出几率, 出现次数, 出现率, 最大连出
const char* ColumnTitle(int column);

// The cell shown: figures with two decimals, 出现率 a percentage with one.
std::string CellText(const analysis::Family& family, const analysis::OmissionRow& row, int column);
// The exact value a column sorts by (the item's family order for 项目).
double CellValue(const analysis::OmissionRow& row, int column);

// What the table points at: rows tinted by 欲出几率 (at least 1, at least
// 2), and a mark on items whose 当前遗漏 is within 10 % of their 最大遗漏.
enum class RowTint { None, Due, Overdue };
RowTint TintOf(const analysis::OmissionRow& row);
bool NearRecord(const analysis::OmissionRow& row);

// Tab-separated UTF-8 text: the title line, then one line per row.
std::string TableText(const analysis::Family& family, const std::vector<analysis::OmissionRow>& rows);

// The table as an .xls workbook's bytes; error set when refused.
std::string TableWorkbook(const analysis::Family& family, const std::vector<analysis::OmissionRow>& rows,
                          std::string& error);

} // namespace vesk::omission
