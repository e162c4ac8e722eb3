// The 欲出几率 check against the omission table itself: each draw of the
// window judged with the table of the draws before it.
#include "components/features/analysis/omission/due_check.h"

#include "components/features/analysis/family_builders.h"
#include "components/features/analysis/omission_table.h"
#include "components/filter/engine/digits.h"

#include "tests/analysis/slow_omission.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vesk::analysis {
namespace {

TEST(DueCheck, CountsWhatTheTableBeforeEachDrawCalledDue)
{
    const std::vector<std::uint32_t> all = test::SampleDraws();
    ASSERT_GT(all.size(), 300u);
    const std::vector<std::uint32_t> draws(all.begin(), all.begin() + 300);
    for (const auto& family : {MakeTypeFamily(filter::ConditionType::Sum, 3), MakeGroup1(3)}) {
        SCOPED_TRACE(family->Name());
        for (std::size_t last : {std::size_t{100}, std::size_t{0}}) {
            const std::size_t n = last == 0 ? draws.size() : last;
            DueLevelCheck one, two;
            long long chanceOne = 0, chanceTwo = 0;
            for (std::size_t i = draws.size() - n; i < draws.size(); ++i) {
                const OmissionTable before = ComputeOmissions(*family, std::span(draws).first(i), 0);
                std::vector<std::uint32_t> hits;
                const filter::Digits digits = filter::DigitsOf(draws[i], 3);
                family->Finder().Find(digits.data(), draws[i], hits);
                for (const OmissionRow& row : before.rows) {
                    const bool came = std::find(hits.begin(), hits.end(), row.item) != hits.end();
                    const auto count = static_cast<long long>(family->SpaceCount(row.item));
                    // With no draw before, every item is as far back as the history.
                    if (row.ratio.Compare({1, 1}) >= 0) {
                        ++one.cases;
                        one.came += came;
                        chanceOne += count;
                    }
                    if (row.ratio.Compare({2, 1}) >= 0) {
                        ++two.cases;
                        two.came += came;
                        chanceTwo += count;
                    }
                }
            }
            const DueCheck check = CheckDue(*family, draws, last);
            EXPECT_EQ(check.atLeastOne.cases, one.cases) << last;
            EXPECT_EQ(check.atLeastOne.came, one.came) << last;
            EXPECT_EQ(check.atLeastTwo.cases, two.cases) << last;
            EXPECT_EQ(check.atLeastTwo.came, two.came) << last;
            ASSERT_GT(one.cases, 0);
            EXPECT_EQ(check.atLeastOne.chance, (Figure{chanceOne, one.cases * 1000})) << last;
            EXPECT_EQ(check.atLeastOne.rate, (Figure{one.came, one.cases})) << last;
            if (two.cases > 0) {
                EXPECT_EQ(check.atLeastTwo.chance, (Figure{chanceTwo, two.cases * 1000})) << last;
            }
        }
    }
}

TEST(DueCheck, TextSaysWhenThereAreFewOrNone)
{
    DueCheck check;
    check.atLeastOne = {1, 20, 1, {1, 20}, {1, 10}};
    check.atLeastTwo = {2, 0, 0, {}, {}};
    EXPECT_EQ(DueCheckText(check), "欲出几率≥1 的项下一期出现 1/20 次 5.0%，它们的平均概率 10.0%（样本少于 30 期）；"
                                   "≥2 的项没有这样的项");
    const std::unique_ptr<Family> sums = MakeTypeFamily(filter::ConditionType::Sum, 3);
    EXPECT_EQ(CheckDue(*sums, std::vector<std::uint32_t>{}, 0).atLeastOne.cases, 0);
}

} // namespace
} // namespace vesk::analysis
