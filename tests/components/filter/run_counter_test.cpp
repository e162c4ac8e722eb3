// The run counter's report against the engine's own tally, number by number.
#include "components/filter/component/run_counter.h"
#include "components/filter/engine/run_tally.h"
#include "tests/filter_engine/random_sets.h"

#include <gtest/gtest.h>

namespace vesk::filter {
namespace {

TEST(RunCounter, WeightedTalliesEqualTheEnginesTallyOverRepeatedNumbers)
{
    std::mt19937 rng(7);
    for (int length : {3, 7}) {
        for (int round = 0; round < 20; ++round) {
            const ConditionSet set = test::RandomSet(length, {}, rng);
            const CompileResult compiled = Compile(set, length, nullptr);
            ASSERT_TRUE(compiled.compiled) << compiled.error;
            RunCounter counter(*compiled.compiled);
            RunTally tally(*compiled.compiled);
            std::uniform_int_distribution<std::uint32_t> code(0, length == 3 ? 999 : 9'999'999);
            for (int i = 0; i < 3000; ++i) {
                // Repeats: the counter weighs each distinct code by how often it came.
                const std::uint32_t c = i % 3 == 2 ? 123 : code(rng);
                EXPECT_EQ(counter.Add(c), tally.Add(c));
            }
            const RunReport report = counter.Finish();
            EXPECT_EQ(report.in, tally.In());
            EXPECT_EQ(report.kept, tally.Kept());
            EXPECT_EQ(report.conditionFailures, tally.ConditionFailures());
            EXPECT_EQ(report.groupFailures, tally.GroupFailures());
            ASSERT_EQ(report.conditions.size(), compiled.compiled->ConditionCount());
        }
    }
}

} // namespace
} // namespace vesk::filter
