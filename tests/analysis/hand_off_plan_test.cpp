// What a hand-off does to the workbench's list: replace, append the numbers
// the list lacks, or keep what both hold; and the status line that says so.
#include "components/features/analysis/hand_off_plan.h"

#include <gtest/gtest.h>

namespace vesk::analysis {
namespace {

using Codes = std::vector<std::uint32_t>;

TEST(HandOffPlan, EachModeBuildsTheWholeNewList)
{
    const Codes list{190, 5, 777, 42};
    const Codes sent{777, 123, 5, 123, 901};

    const HandOffPlan replaced = PlanHandOff(HandOffMode::Replace, list, sent);
    EXPECT_EQ(replaced.numbers, sent);

    // The list's own order first, then what is new in the sender's order, once each.
    const HandOffPlan appended = PlanHandOff(HandOffMode::Append, list, sent);
    EXPECT_EQ(appended.numbers, (Codes{190, 5, 777, 42, 123, 901}));
    EXPECT_EQ(appended.added, 2u);

    const HandOffPlan both = PlanHandOff(HandOffMode::Intersect, list, sent);
    EXPECT_EQ(both.numbers, (Codes{5, 777}));
}

TEST(HandOffPlan, AnEmptyListTakesEverythingOnAppendAndNothingOnIntersect)
{
    const Codes sent{1, 2, 3};
    EXPECT_EQ(PlanHandOff(HandOffMode::Append, {}, sent).numbers, sent);
    EXPECT_EQ(PlanHandOff(HandOffMode::Append, {}, sent).added, 3u);
    EXPECT_TRUE(PlanHandOff(HandOffMode::Intersect, {}, sent).numbers.empty());
    // Nothing new: the list stays as it is.
    const HandOffPlan same = PlanHandOff(HandOffMode::Append, {3, 2, 1}, sent);
    EXPECT_EQ(same.numbers, (Codes{3, 2, 1}));
    EXPECT_EQ(same.added, 0u);
}

TEST(HandOffPlan, StatusLinesSayWhatHappened)
{
    EXPECT_EQ(HandOffStatus(HandOffMode::Append, 4, 194), "已追加 4 注，缩水器共 194 注（可撤消）");
    EXPECT_EQ(HandOffStatus(HandOffMode::Replace, 0, 4), "已替换为 4 注（可撤消）");
    EXPECT_EQ(HandOffStatus(HandOffMode::Intersect, 0, 11), "已取交集，缩水器共 11 注（可撤消）");
    EXPECT_STREQ(HandOffModeName(HandOffMode::Intersect), "交集");
}

} // namespace
} // namespace vesk::analysis
