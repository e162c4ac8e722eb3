#include "components/features/omission/table_text.h"

#include "storage/xls/workbook_writer.h"

namespace vesk::omission {

namespace {

constexpr const char* kTitles[kTableColumns] = {"项目", "当前遗漏", "上次遗漏", "最大遗漏", "平均遗漏",
                                                "理论遗漏", "欲出几率", "出现次数", "出现率", "最大连出"};

} // namespace

const char* ColumnTitle(int column)
{
    return column >= 0 && column < kTableColumns ? kTitles[column] : "";
}

std::string CellText(const analysis::Family& family, const analysis::OmissionRow& row, int column)
{
    switch (column) {
    case 0: return family.Items()[row.item].title;
    case 1: return std::to_string(row.current);
    case 2: return std::to_string(row.previous);
    case 3: return std::to_string(row.maximum);
    case 4: return analysis::FormatFigure(row.average, 2);
    case 5: return analysis::FormatFigure(row.expected, 2);
    case 6: return analysis::FormatFigure(row.ratio, 2);
    case 7: return std::to_string(row.hits);
    case 8: return analysis::FormatFigure(row.rate, 1, 100) + "%";
    case 9: return std::to_string(row.maxRun);
    default: return {};
    }
}

double CellValue(const analysis::OmissionRow& row, int column)
{
    switch (column) {
    case 0: return static_cast<double>(row.item);
    case 1: return static_cast<double>(row.current);
    case 2: return static_cast<double>(row.previous);
    case 3: return static_cast<double>(row.maximum);
    case 4: return row.average.Value();
    case 5: return row.expected.Value();
    case 6: return row.ratio.Value();
    case 7: return static_cast<double>(row.hits);
    case 8: return row.rate.Value();
    case 9: return static_cast<double>(row.maxRun);
    default: return 0;
    }
}

std::string TableText(const analysis::Family& family, const std::vector<analysis::OmissionRow>& rows)
{
    std::string text;
    for (int c = 0; c < kTableColumns; ++c) {
        if (c > 0)
            text += '\t';
        text += kTitles[c];
    }
    text += '\n';
    for (const analysis::OmissionRow& row : rows) {
        for (int c = 0; c < kTableColumns; ++c) {
            if (c > 0)
                text += '\t';
            text += CellText(family, row, c);
        }
        text += '\n';
    }
    return text;
}

std::string TableWorkbook(const analysis::Family& family, const std::vector<analysis::OmissionRow>& rows,
                          std::string& error)
{
    xls::WorkbookOutline outline;
    for (int c = 0; c < kTableColumns; ++c)
        outline.columns.push_back({kTitles[c], c >= 4 && c <= 6 ? "0.00" : c == 8 ? "0.0%" : ""});
    outline.rowCount = rows.size();
    outline.sheetName = "遗漏表";
    xls::MemoryOutput out;
    const xls::WriteResult result = xls::WriteWorkbook(out, outline, [&](std::uint64_t r, std::span<xls::Cell> cells) {
        const analysis::OmissionRow& row = rows[r];
        cells[0].SetText(family.Items()[row.item].title);
        for (int c = 1; c < kTableColumns; ++c)
            cells[static_cast<std::size_t>(c)].SetNumber(CellValue(row, c));
    });
    error = result.error;
    return result.ok ? out.Bytes() : std::string();
}

} // namespace vesk::omission
