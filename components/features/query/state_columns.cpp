#include "components/features/query/state_columns.h"

#include "components/features/analysis/query/state_table.h"
#include "application/column_records.h"
#include "numbers/gbk_text.h"

#include <algorithm>

namespace vesk::query {

std::vector<std::size_t> ShownStateColumns(const std::string& shownRecord, const std::string& hiddenRecord)
{
    std::vector<std::size_t> columns;
    if (shownRecord.empty() && hiddenRecord.empty()) {
        for (std::size_t c = 0; c < analysis::kStateColumns; ++c)
            columns.push_back(c);
        return columns;
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(shownRecord.data());
    for (const ColumnItem& item : ParseColumnRecords({bytes, shownRecord.size()})) {
        if (item.attribute < 0 || static_cast<std::size_t>(item.attribute) >= analysis::kStateColumns)
            continue;
        const auto column = static_cast<std::size_t>(item.attribute);
        if (std::find(columns.begin(), columns.end(), column) == columns.end())
            columns.push_back(column);
    }
    return columns;
}

std::vector<std::size_t> HiddenStateColumns(const std::vector<std::size_t>& shown)
{
    std::vector<std::size_t> hidden;
    for (std::size_t c = 0; c < analysis::kStateColumns; ++c)
        if (std::find(shown.begin(), shown.end(), c) == shown.end())
            hidden.push_back(c);
    return hidden;
}

std::string StateColumnRecords(const std::vector<std::size_t>& columns)
{
    std::vector<ColumnItem> items;
    for (std::size_t c : columns) {
        if (c >= analysis::kStateColumns)
            continue;
        ColumnItem item;
        item.attribute = static_cast<std::int32_t>(c);
        item.title = std::string(analysis::kStateColumnList[c].title);
        item.gbkTitle = Utf8ToGbk(item.title).value_or(std::string());
        items.push_back(std::move(item));
    }
    const std::vector<std::uint8_t> bytes = SerializeColumnRecords(items);
    return {bytes.begin(), bytes.end()};
}

} // namespace vesk::query
