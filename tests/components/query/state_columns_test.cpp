// 状态表's column choice in the arrangement's records: what a stored record
// shows, and records that a damaged or foreign writer left.
#include "components/features/query/state_columns.h"

#include "components/features/analysis/query/state_table.h"
#include "application/column_records.h"

#include <gtest/gtest.h>

namespace vesk::query {
namespace {

using Columns = std::vector<std::size_t>;

std::string Records(const std::vector<std::pair<std::int32_t, std::string>>& items)
{
    std::vector<ColumnItem> list;
    for (const auto& [attribute, title] : items)
        list.push_back({attribute, title, title});
    const auto bytes = SerializeColumnRecords(list);
    return {bytes.begin(), bytes.end()};
}

TEST(StateColumns, NeverArrangedShowsEveryColumnInOrder)
{
    const Columns all = ShownStateColumns("", "");
    ASSERT_EQ(all.size(), analysis::kStateColumns);
    for (std::size_t c = 0; c < all.size(); ++c)
        EXPECT_EQ(all[c], c);
    EXPECT_TRUE(HiddenStateColumns(all).empty());
}

TEST(StateColumns, RecordsRoundTripWithTheirTitles)
{
    const Columns shown = {7, 0, 13};
    const std::string record = StateColumnRecords(shown);
    ASSERT_EQ(record.size(), 3 * kColumnRecordBytes);
    const std::string hidden = StateColumnRecords(HiddenStateColumns(shown));
    EXPECT_EQ(ShownStateColumns(record, hidden), shown);
    const auto items = ParseColumnRecords({reinterpret_cast<const std::uint8_t*>(record.data()), record.size()});
    EXPECT_EQ(items[0].title, "形态");
    EXPECT_EQ(items[2].title, "邻号");
    EXPECT_EQ(HiddenStateColumns(shown).size(), analysis::kStateColumns - 3);
}

TEST(StateColumns, EverythingHiddenShowsNoValueColumn)
{
    const Columns all = ShownStateColumns("", "");
    EXPECT_TRUE(ShownStateColumns(StateColumnRecords({}), StateColumnRecords(all)).empty());
}

TEST(StateColumns, ForeignAndRepeatedRecordsAreDropped)
{
    const std::string shown = Records({{2, "跨度"}, {-1, "x"}, {14, "y"}, {2, "跨度"}, {5, "质合比"}});
    EXPECT_EQ(ShownStateColumns(shown, ""), (Columns{2, 5}));
    // A record cut short keeps its whole items.
    EXPECT_EQ(ShownStateColumns(shown.substr(0, kColumnRecordBytes + 7), ""), (Columns{2}));
}

} // namespace
} // namespace vesk::query
