#include "components/grid/column_fit.h"

#include "components/grid/cell_format.h"

#include <algorithm>
#include <map>

namespace vesk::grid {

std::vector<std::string> WidthCandidates(const GridTable& table, int column, std::int64_t sampleRows)
{
    if (column < 0 || column >= table.ColumnCount())
        return {};
    std::map<std::size_t, std::string, std::greater<>> byLength;
    const auto sample = [&](std::int64_t row) {
        const CellValue cell = table.Cell(row, column);
        std::string_view text;
        NumberText number;
        if (cell.kind == CellKind::Text) {
            text = cell.text;
        } else if (cell.kind == CellKind::Number) {
            number = FormatCellNumber(cell.number, cell.padDigits);
            text = number.View();
        }
        if (!text.empty() && !byLength.contains(text.size()))
            byLength.emplace(text.size(), std::string(text));
    };
    const std::int64_t rows = table.RowCount();
    const std::int64_t head = std::min(std::max<std::int64_t>(sampleRows, 0), rows);
    for (std::int64_t row = 0; row < head; ++row)
        sample(row);
    for (std::int64_t row = std::max(head, rows - head); row < rows; ++row)
        sample(row);
    std::vector<std::string> candidates;
    for (auto& [length, text] : byLength) {
        if (candidates.size() == kMaxWidthCandidates)
            break;
        candidates.push_back(std::move(text));
    }
    return candidates;
}

} // namespace vesk::grid
