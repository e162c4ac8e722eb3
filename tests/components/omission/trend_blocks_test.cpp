// The chart's blocks: one per position or pair, one for other families; the
// short labels in the balls; trend lines only where every draw has exactly
// one ball in the block.
#include "components/features/analysis/omission/catalogue_items.h"
#include "components/features/analysis/family_builders.h"
#include "components/features/omission/trend_blocks.h"
#include "components/features/omission/trend_data.h"

#include <gtest/gtest.h>

namespace vesk::omission {
namespace {

struct Charted {
    std::unique_ptr<analysis::Family> family;
    analysis::OmissionTable table;
    std::vector<std::size_t> columns;
    TrendBlocks blocks;
};

Charted Chart(std::unique_ptr<analysis::Family> family, std::vector<std::size_t> selected = {})
{
    Charted c;
    c.family = std::move(family);
    const std::vector<std::uint32_t> draws = {123, 456, 789, 111, 905};
    c.table = analysis::ComputeOmissions(*c.family, draws, 0);
    c.columns = ChartColumns(c.table, selected);
    c.blocks = MakeTrendBlocks(*c.family, c.table, c.columns);
    return c;
}

std::vector<std::string> Labels(const TrendBlocks& blocks, std::size_t first, std::size_t end)
{
    return {blocks.labels.begin() + static_cast<std::ptrdiff_t>(first), blocks.labels.begin() + static_cast<std::ptrdiff_t>(end)};
}

TEST(TrendBlocks, PositionsAreLinkedBlocksOfTheirDigits)
{
    const Charted c = Chart(analysis::MakeSingle1(3));
    ASSERT_EQ(c.blocks.blocks.size(), 3u);
    const char* titles[] = {"百位", "十位", "个位"};
    for (std::size_t b = 0; b < 3; ++b) {
        const TrendBlock& block = c.blocks.blocks[b];
        EXPECT_EQ(block.title, titles[b]);
        EXPECT_EQ(block.firstColumn, b * 10);
        EXPECT_EQ(block.endColumn, b * 10 + 10);
        EXPECT_TRUE(block.linked);
        EXPECT_EQ(Labels(c.blocks, b * 10, b * 10 + 10),
                  (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    }
    EXPECT_EQ(c.blocks.blockOf[25], 2u);
}

TEST(TrendBlocks, ValueTypesAreOneLinkedBlock)
{
    const Charted sum = Chart(analysis::MakeTypeFamily(filter::ConditionType::Sum, 3));
    ASSERT_EQ(sum.blocks.blocks.size(), 1u);
    EXPECT_EQ(sum.blocks.blocks[0].title, "和值");
    EXPECT_TRUE(sum.blocks.blocks[0].linked);
    EXPECT_EQ(sum.blocks.labels[13], "13"); // not "3" though 和值10 … 和值19 share "和值1"
    EXPECT_EQ(sum.blocks.labels.back(), "27");

    const Charted form = Chart(analysis::MakeTypeFamily(filter::ConditionType::DistinctCount, 3));
    ASSERT_EQ(form.blocks.blocks.size(), 1u);
    EXPECT_TRUE(form.blocks.blocks[0].linked);
    for (const std::string& label : form.blocks.labels)
        EXPECT_EQ(label.find(form.blocks.blocks[0].title), std::string::npos) << label;
}

TEST(TrendBlocks, FamiliesWhereADrawHitsSeveralOrNoneAreNotLinked)
{
    const Charted group = Chart(analysis::MakeGroup1(3));
    ASSERT_EQ(group.blocks.blocks.size(), 1u);
    EXPECT_FALSE(group.blocks.blocks[0].linked);
    EXPECT_EQ(group.blocks.labels[7], "7");
    const Charted cover = Chart(analysis::MakeCover(5, 3));
    EXPECT_FALSE(cover.blocks.blocks[0].linked);
}

TEST(TrendBlocks, PairsOfThePairSumCategoryAreBlocks)
{
    std::vector<analysis::CatalogueEntry> entries;
    for (std::uint16_t key = 0; key < 60; ++key)
        if (analysis::MapCatalogueItem(10, key, 3))
            entries.push_back({key, "两码和" + std::to_string(key)});
    const Charted c = Chart(analysis::MakeCatalogueFamily("两码和", 10, entries, 3).family);
    ASSERT_EQ(c.family->Size(), 57u);
    ASSERT_EQ(c.blocks.blocks.size(), 3u);
    for (const TrendBlock& block : c.blocks.blocks) {
        EXPECT_EQ(block.endColumn - block.firstColumn, 19u);
        EXPECT_TRUE(block.linked);
    }
}

TEST(TrendBlocks, APartlyChartedFamilyDrawsNoLines)
{
    // 单选两码: 300 items, the chart shows 30 and the selected one, grouped by pair.
    const Charted c = Chart(analysis::MakeSingle2(3), {299});
    ASSERT_EQ(c.columns.size(), 31u);
    std::size_t covered = 0;
    for (const TrendBlock& block : c.blocks.blocks) {
        EXPECT_FALSE(block.linked);
        covered += block.endColumn - block.firstColumn;
    }
    EXPECT_EQ(covered, 31u);
    EXPECT_EQ(c.blocks.labels.back(), "99");
    EXPECT_EQ(c.blocks.blocks.back().title, "十个");
}

TEST(TrendBlocks, TheBallOfABlockInADrawRow)
{
    const Charted c = Chart(analysis::MakeSingle1(3));
    const TrendData trend = MakeTrend(*c.family, c.table, c.columns, {123, 456, 789, 111, 905});
    EXPECT_EQ(BallColumn(trend.cells, trend.rows.size(), 0, c.blocks.blocks[0]), 1);
    EXPECT_EQ(BallColumn(trend.cells, trend.rows.size(), 0, c.blocks.blocks[2]), 23);
    EXPECT_EQ(BallColumn(trend.cells, trend.rows.size(), 4, c.blocks.blocks[1]), 10);
}

} // namespace
} // namespace vesk::omission
