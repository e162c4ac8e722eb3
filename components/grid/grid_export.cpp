#include "components/grid/grid_export.h"

#include "storage/safe_file.h"
#include "storage/xls/workbook_writer.h"

#include <algorithm>
#include <cctype>

namespace vesk::grid {
namespace {

// The number format of a column: that of its first number cell.
std::string NumberFormatOf(const GridTable& table, int column)
{
    for (std::int64_t row = 0; row < table.RowCount(); ++row) {
        const CellValue cell = table.Cell(row, column);
        if (cell.kind == CellKind::Number)
            return std::string(static_cast<std::size_t>(cell.padDigits), '0');
    }
    return {};
}

xls::WorkbookOutline OutlineOf(const GridTable& table)
{
    xls::WorkbookOutline outline;
    outline.rowCount = static_cast<std::uint64_t>(table.RowCount());
    for (int column = 0; column < table.ColumnCount(); ++column)
        outline.columns.push_back({table.Look(column)->title, NumberFormatOf(table, column)});
    return outline;
}

} // namespace

bool IsWorkbookExtension(std::string_view extension)
{
    if (!extension.empty() && extension.front() == '.')
        extension.remove_prefix(1);
    return extension.size() == 3 && std::equal(extension.begin(), extension.end(), "xls", [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           });
}

ExportOutcome ExportWorkbook(const GridTable& table, const std::string& path)
{
    const xls::WorkbookOutline outline = OutlineOf(table);
    const auto rows = [&table](std::uint64_t row, std::span<xls::Cell> cells) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const CellValue cell = table.Cell(static_cast<std::int64_t>(row), static_cast<int>(c));
            if (cell.kind == CellKind::Text)
                cells[c].SetText(cell.text);
            else if (cell.kind == CellKind::Number)
                cells[c].SetNumber(cell.number);
        }
    };
    const FileResult written = WriteFileSafely(path, [&](std::FILE* file) {
        xls::FileOutput out(file);
        const xls::WriteResult result = xls::WriteWorkbook(out, outline, rows);
        if (result.ok)
            return std::string();
        return result.error.empty() ? std::string("the workbook could not be written") : result.error;
    });
    return {written.ok, written.message};
}

} // namespace vesk::grid
