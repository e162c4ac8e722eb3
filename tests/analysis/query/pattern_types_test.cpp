// The value types the pattern search offers: every one gives each draw a
// value the condition window has a label for, and keys name them again.
#include "components/features/analysis/query/pattern_types.h"

#include "components/features/analysis/query/pattern_search.h"
#include "components/features/analysis/value_labels.h"

#include "components/filter/engine/condition_checks.h"

#include <gtest/gtest.h>

#include <set>

namespace vesk::analysis {
namespace {

TEST(PatternTypes, OfferEveryTypeWithoutHistoryPerPlace)
{
    const std::vector<PatternType> types = PatternTypes(3);
    std::set<std::uint32_t> keys;
    std::set<std::string> names;
    for (const PatternType& type : types) {
        SCOPED_TRACE(type.name);
        EXPECT_TRUE(keys.insert(type.key).second);
        EXPECT_TRUE(names.insert(type.name).second);
        EXPECT_FALSE(filter::InfoOf(type.condition.type).needsHistory);
        // Fields the engine accepts, and a value every number can have.
        EXPECT_FALSE(filter::CheckCondition(type.condition, 3));
        const std::vector<std::int64_t> values = DrawValues(type.condition, 3, std::vector<std::uint32_t>{0, 507, 999});
        for (std::int64_t value : values)
            EXPECT_TRUE(filter::IsPossibleValue(type.condition, 3, value));
        const auto again = PatternTypeOfKey(type.key, 3);
        ASSERT_TRUE(again);
        EXPECT_EQ(again->condition, type.condition);
    }
    EXPECT_TRUE(names.contains("和值"));
    EXPECT_TRUE(names.contains("定位·十位"));
    EXPECT_TRUE(names.contains("两码差·百个"));
    EXPECT_FALSE(names.contains("重号"));
    // Three positions and three pairs each for 两码和, 两码和尾, 两码差.
    EXPECT_EQ(PatternTypes(4).size(), types.size() + 1 + 3 * 3);
    EXPECT_FALSE(PatternTypeOfKey(0xFFFFFFFFu, 3));
}

TEST(PatternTypes, APlaceTypeSearchesItsOwnPlace)
{
    for (const PatternType& type : PatternTypes(3)) {
        if (type.name != "定位·十位")
            continue;
        EXPECT_EQ(DrawValues(type.condition, 3, std::vector<std::uint32_t>{123, 456, 789}),
                  (std::vector<std::int64_t>{2, 5, 8}));
        EXPECT_EQ(ValueLabels(type.condition, 3).Text(5), "5");
    }
}

} // namespace
} // namespace vesk::analysis
