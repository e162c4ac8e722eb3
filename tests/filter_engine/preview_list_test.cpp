// The preview over a list (the numbers the next run judges) against the run
// tally over the same list, for short lists and for lists long enough to be
// counted by one walk over the space.
#include "components/filter/engine/preview.h"
#include "components/filter/engine/run_tally.h"

#include "tests/filter_engine/random_sets.h"

#include <gtest/gtest.h>

namespace vesk::filter::test {
namespace {

void ExpectPreviewIsTheRunsTally(const ConditionSet& set, const CompiledSet& compiled,
                                 const std::vector<std::uint32_t>& list)
{
    RunTally run(compiled);
    for (std::uint32_t code : list)
        run.Add(code);
    const Preview preview = PreviewList(set, compiled, list);
    EXPECT_EQ(preview.total, run.In());
    EXPECT_EQ(preview.kept, run.Kept());
    for (std::size_t i = 0; i < compiled.ConditionCount(); ++i) {
        const ConditionRef& ref = compiled.RefAt(i);
        EXPECT_EQ(preview.rejectedAlone[ref.group][ref.condition], run.ConditionFailures()[i]) << i;
    }
}

TEST(PreviewList, CountsWhatARunOverTheListCounts)
{
    std::mt19937 rng(11);
    for (int length = 1; length <= 4; ++length) {
        for (int round = 0; round < 30; ++round) {
            const ConditionSet set = RandomSet(length, {}, rng);
            const CompileResult result = Compile(set, length, nullptr);
            if (!result.compiled)
                continue;
            const std::uint32_t space = static_cast<std::uint32_t>(result.compiled->Space().Size());
            // A few numbers, then about half the space (the other way of counting).
            for (const std::uint32_t size : {std::uint32_t(3), space / 2 + 1}) {
                std::vector<std::uint32_t> list;
                for (std::uint32_t i = 0; i < size; ++i)
                    list.push_back(static_cast<std::uint32_t>(Pick(rng, 0, static_cast<int>(space) - 1)));
                SCOPED_TRACE("length " + std::to_string(length) + ", " + std::to_string(size) + " numbers");
                ExpectPreviewIsTheRunsTally(set, *result.compiled, list);
            }
        }
    }
}

TEST(PreviewList, NumbersOutsideTheSpaceAreNotCounted)
{
    ConditionSet set;
    set.groups.push_back({});
    Condition sum;
    sum.values = {10};
    set.groups[0].conditions.push_back(sum);
    const CompileResult result = Compile(set, 3, nullptr);
    ASSERT_TRUE(result.compiled);
    const Preview preview = PreviewList(set, *result.compiled, std::vector<std::uint32_t>{190, 1000, 56, 4294967295u});
    EXPECT_EQ(preview.total, 2u);
    EXPECT_EQ(preview.kept, 1u); // 190
    EXPECT_EQ(preview.rejectedAlone[0][0], 1u);
    // The whole space, as before.
    EXPECT_EQ(PreviewSet(set, *result.compiled).kept, 63u);
    EXPECT_EQ(PreviewSet(set, *result.compiled).total, 1000u);
}

} // namespace
} // namespace vesk::filter::test
