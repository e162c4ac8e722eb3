// The trend chart's cells against the table they illustrate: the newest row
// holds each item's current omission, the window's hits are the table's, and
// large families show the items of highest 欲出几率 and the picked one.
#include "components/features/analysis/family_builders.h"
#include "components/features/omission/trend_data.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vesk::omission {
namespace {

void ExpectChartMatchesTable(const analysis::Family& family, const std::vector<std::uint32_t>& draws, std::size_t last)
{
    const analysis::OmissionTable table = analysis::ComputeOmissions(family, draws, last);
    const TrendData trend = MakeTrend(family, table, ChartColumns(table, {}), draws);
    ASSERT_EQ(trend.draws, table.window);
    for (std::size_t c = 0; c < trend.rows.size(); ++c) {
        const analysis::OmissionRow& row = table.rows[trend.rows[c]];
        std::int64_t hits = 0;
        for (std::size_t d = 0; d < trend.draws; ++d)
            hits += trend.Cell(d, c) < 0 ? 1 : 0;
        EXPECT_EQ(hits, row.hits) << family.Items()[row.item].label;
        if (trend.draws > 0) {
            const std::int32_t newest = trend.Cell(trend.draws - 1, c);
            EXPECT_EQ(newest < 0 ? 0 : newest, row.current) << family.Items()[row.item].label;
        }
    }
}

TEST(TrendData, CellsAgreeWithTheTable)
{
    const std::vector<std::vector<std::uint32_t>> histories = {
        {}, {777}, {700, 123, 456, 123, 7}, {123, 456, 780, 999, 12, 345, 678, 901, 234, 567}};
    for (const auto& draws : histories)
        for (std::size_t last : {1u, 3u, 0u}) {
            ExpectChartMatchesTable(*analysis::MakeGroup1(3), draws, last);
            ExpectChartMatchesTable(*analysis::MakeTypeFamily(filter::ConditionType::Sum, 3), draws, last);
        }
    // A run begun before the window goes on counting in the first row.
    const auto group1 = analysis::MakeGroup1(3);
    const std::vector<std::uint32_t> draws = {700, 123, 456, 123, 7};
    const analysis::OmissionTable table = analysis::ComputeOmissions(*group1, draws, 2);
    const TrendData trend = MakeTrend(*group1, table, ChartColumns(table, {}), draws);
    EXPECT_EQ(trend.Cell(0, 7), 3); // three draws without a 7 by the window's first draw
    EXPECT_EQ(trend.Cell(1, 7), -1);
}

TEST(TrendData, LargeFamiliesShowTheTopItemsAndThePickedOne)
{
    const auto group3 = analysis::MakeGroup3(3);
    const std::vector<std::uint32_t> draws = {123, 456, 789, 111, 35, 246, 680};
    const analysis::OmissionTable table = analysis::ComputeOmissions(*group3, draws, 0);
    const std::vector<std::size_t> columns = ChartColumns(table, {219});
    ASSERT_EQ(columns.size(), kTopChartColumns + 1);
    EXPECT_TRUE(std::is_sorted(columns.begin(), columns.end()));
    EXPECT_EQ(table.rows[columns.back()].item, 219u); // 999, which is not among the top
    // Every item left out has a 欲出几率 no higher than every top item shown.
    analysis::Figure lowestShown{1'000'000, 1};
    for (std::size_t c : columns)
        if (table.rows[c].item != 219 && table.rows[c].ratio.Compare(lowestShown) < 0)
            lowestShown = table.rows[c].ratio;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        if (std::find(columns.begin(), columns.end(), r) == columns.end()) {
            EXPECT_LE(table.rows[r].ratio.Compare(lowestShown), 0);
        }
    }
    EXPECT_EQ(ChartColumns(analysis::ComputeOmissions(*analysis::MakeGroup2(3), draws, 0), {}).size(), 55u);
}

} // namespace
} // namespace vesk::omission
