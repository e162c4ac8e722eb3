// The tally of counts per number by one walk over the space against the
// per-number run tally, over random sets (every condition type, listed and
// history conditions, groups with allowed errors, disabled ones).

#include "components/filter/engine/compiled_set.h"
#include "components/filter/engine/run_tally.h"

#include "tests/filter_engine/random_sets.h"

#include <gtest/gtest.h>

namespace vesk::filter::test {
namespace {

std::vector<std::uint32_t> HistoryCodes(const std::vector<std::string>& history)
{
    std::vector<std::uint32_t> codes;
    for (const std::string& n : history)
        codes.push_back(static_cast<std::uint32_t>(std::stoul(n)));
    return codes;
}

void ExpectSameAsPerNumber(const ConditionSet& set, int length, const std::vector<std::string>& history,
                           std::mt19937& rng)
{
    const HistoryIndex index(HistoryCodes(history), length);
    const CompileResult result = Compile(set, length, &index);
    ASSERT_TRUE(result.compiled) << result.error;
    const CompiledSet& compiled = *result.compiled;
    // Most numbers absent, some once, a few many times.
    std::vector<std::uint32_t> weights(compiled.Space().Size(), 0);
    RunTally expected(compiled);
    for (std::uint32_t code = 0; code < weights.size(); ++code) {
        const int roll = Pick(rng, 0, 9);
        weights[code] = roll < 5 ? 0 : roll < 9 ? 1 : static_cast<std::uint32_t>(Pick(rng, 2, 40));
        for (std::uint32_t k = 0; k < weights[code]; ++k)
            expected.Add(code);
    }
    const RunCounts tally = compiled.TallyWeighted(weights);
    EXPECT_EQ(tally.in, expected.In());
    EXPECT_EQ(tally.kept, expected.Kept());
    EXPECT_EQ(tally.conditionFailures, expected.ConditionFailures());
    EXPECT_EQ(tally.groupFailures, expected.GroupFailures());
}

TEST(WeightedTally, AgreesWithThePerNumberTallyOverRandomSets)
{
    std::mt19937 rng(7);
    for (int length = 1; length <= 5; ++length) {
        std::vector<std::string> history;
        for (int i = 0; i < 15; ++i)
            history.push_back(RandomNumber(length, rng));
        for (int i = 0; i < 40; ++i) {
            SCOPED_TRACE("length " + std::to_string(length) + ", set " + std::to_string(i));
            ExpectSameAsPerNumber(RandomSet(length, history, rng), length, history, rng);
            if (HasFailure())
                return;
        }
    }
}

TEST(WeightedTally, ASetWithoutGroupsKeepsEverythingAndWrongSizedWeightsCountNothing)
{
    ConditionSet empty;
    empty.digits = 3;
    const auto compiled = Compile(empty, 3, nullptr).compiled;
    ASSERT_TRUE(compiled);
    std::vector<std::uint32_t> weights(1000, 2);
    const RunCounts all = compiled->TallyWeighted(weights);
    EXPECT_EQ(all.in, 2000u);
    EXPECT_EQ(all.kept, 2000u);
    weights.pop_back();
    const RunCounts none = compiled->TallyWeighted(weights);
    EXPECT_EQ(none.in, 0u);
    EXPECT_EQ(none.kept, 0u);
}

} // namespace
} // namespace vesk::filter::test
