#include "storage/files/result_spreadsheet.h"

#include "storage/xls/workbook_writer.h"

#include <cerrno>
#include <cstring>

namespace vesk::files {

namespace {

constexpr int kTableLength = 3;

bool TableFits(const SpreadsheetColumns& columns, const NumberList& list)
{
    return list.Length() == kTableLength
        && columns.table.size() == std::size_t(kTableCodes) * kTableAttributes;
}

xls::WorkbookOutline OutlineOf(const NumberList& list, const SpreadsheetColumns& columns)
{
    xls::WorkbookOutline outline;
    outline.rowCount = list.Count();
    outline.columns.push_back({"序号", {}});
    outline.columns.push_back({columns.numberTitle, {}});
    for (const AttributeColumn& column : columns.attributes) {
        // Road codes read like numbers of the list's length: 012, not 12.
        std::string format = column.attribute == kRoadAttribute ? std::string(list.Length(), '0') : std::string{};
        outline.columns.push_back({column.title, std::move(format)});
    }
    return outline;
}

} // namespace

FileResult WriteResultSpreadsheet(const std::string& path, const NumberList& list,
                                    const SpreadsheetColumns& columns)
{
    const xls::WorkbookOutline outline = OutlineOf(list, columns);
    const bool withValues = TableFits(columns, list);
    std::string text;
    const auto rows = [&](std::uint64_t row, std::span<xls::Cell> cells) {
        const auto index = static_cast<std::uint32_t>(row);
        const std::uint8_t* digits = list.GetAt(index);
        text.clear();
        for (int d = 0; d < list.Length(); ++d)
            text += static_cast<char>('0' + digits[d]);
        cells[0].SetNumber(double(row + 1));
        cells[1].SetText(text);
        if (!withValues)
            return;
        const std::size_t base = std::size_t(list.ToValue(index)) * kTableAttributes;
        for (std::size_t c = 0; c < columns.attributes.size(); ++c) {
            const int k = columns.attributes[c].attribute;
            if (k >= 0 && k < kTableAttributes)
                cells[c + 2].SetNumber(columns.table[base + std::size_t(k)]);
        }
    };
    return WriteFileSafely(path, [&](std::FILE* file) {
        xls::FileOutput out(file);
        const xls::WriteResult written = xls::WriteWorkbook(out, outline, rows);
        if (!written.ok && std::ferror(file))
            return written.error + ": " + std::strerror(errno);
        return written.error;
    });
}

} // namespace vesk::files
