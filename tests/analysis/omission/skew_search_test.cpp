// 偏态搜索 over several families of the sample history: the thresholds, the
// order, each predicate once.
#include "components/features/analysis/omission/catalogue_items.h"
#include "components/features/analysis/family_builders.h"
#include "components/features/analysis/omission/skew_search.h"

#include "tests/analysis/slow_omission.h"

#include <gtest/gtest.h>

namespace vesk::analysis {
namespace {

std::vector<CatalogueEntry> Places()
{
    std::vector<CatalogueEntry> entries;
    const char* names[3] = {"百位", "十位", "个位"};
    for (int j = 0; j < 3; ++j)
        for (int d = 0; d < 10; ++d)
            entries.push_back({static_cast<std::uint16_t>(100 + 10 * j + d), names[j] + std::to_string(d)});
    return entries;
}

TEST(SkewSearch, ListsWhatStandsOutOnceInOrder)
{
    const std::vector<std::uint32_t> draws = test::SampleDraws();
    const CatalogueFamily places = MakeCatalogueFamily("百位/十位/个位", 9, Places(), 3);
    const auto single1 = MakeSingle1(3);
    const auto group1 = MakeGroup1(3);
    const auto group2 = MakeGroup2(3);
    const std::vector<const Family*> families = {places.family.get(), single1.get(), group1.get(), group2.get()};

    for (std::size_t last : {30u, 100u, 0u}) {
        const SkewThresholds thresholds{{3, 2}, {1, 1}};
        const SkewResult result = SearchSkew(families, draws, last, thresholds);
        // 单选单码 repeats the catalogue's places item for item.
        EXPECT_EQ(result.searched, 30u + 10u + 55u);
        for (const SkewRow& row : result.rows)
            EXPECT_NE(row.family, 1u);

        // Every item that stands out, and nothing else, from the tables.
        std::size_t expected = 0;
        for (std::size_t f : {0u, 2u, 3u}) {
            const OmissionTable table = ComputeOmissions(*families[f], draws, last);
            for (const OmissionRow& row : table.rows) {
                const bool stands = row.ratio.Value() >= 1.5 || (row.maximum > 0 && row.current == row.maximum);
                expected += stands ? 1 : 0;
            }
        }
        EXPECT_EQ(result.rows.size(), expected) << last;
        for (std::size_t i = 1; i < result.rows.size(); ++i) {
            const SkewRow& a = result.rows[i - 1];
            const SkewRow& b = result.rows[i];
            const int order = a.row.ratio.Compare(b.row.ratio);
            EXPECT_TRUE(order > 0 || (order == 0 && (a.family < b.family || (a.family == b.family && a.row.item < b.row.item))));
        }
    }
}

TEST(SkewSearch, LongestCurrentRunIsListedBelowTheRatioThreshold)
{
    // Digit 9 never came in three draws: 当前遗漏 = 最大遗漏 = 3, 欲出几率 3·271/729 ≈ 1.12.
    const auto group1 = MakeGroup1(3);
    const std::vector<const Family*> families = {group1.get()};
    const std::vector<std::uint32_t> draws = {123, 456, 780};
    const SkewResult result = SearchSkew(families, draws, 0);
    ASSERT_FALSE(result.rows.empty());
    EXPECT_EQ(result.rows.front().row.item, 9u);
    EXPECT_EQ(FormatFigure(result.rows.front().row.ratio, 2), "1.12");
    SkewThresholds strict;
    strict.minShareOfMax = {2, 1};
    EXPECT_TRUE(SearchSkew(families, draws, 0, strict).rows.empty());
}

} // namespace
} // namespace vesk::analysis
