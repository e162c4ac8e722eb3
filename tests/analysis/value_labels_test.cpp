// Values as the condition window shows them, and read back from that text.
#include "components/features/analysis/value_labels.h"

#include "components/features/analysis/family_builders.h"

#include "components/filter/engine/value_choices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace vesk::analysis {
namespace {

ValueLabels LabelsOf(filter::ConditionType type, int length = 3)
{
    filter::Condition condition;
    condition.type = type;
    return ValueLabels(condition, length);
}

TEST(ValueLabels, ShowValuesAsTheConditionWindowDoes)
{
    using T = filter::ConditionType;
    EXPECT_EQ(LabelsOf(T::OddCount).Text(2), "2:1");
    EXPECT_EQ(LabelsOf(T::DistinctCount).Text(2), "组三");
    EXPECT_EQ(LabelsOf(T::OddPattern).Text(5), "奇偶奇");
    EXPECT_EQ(LabelsOf(T::Shape).Text(20), "凸");
    EXPECT_EQ(LabelsOf(T::Shape).Text(22), "升升");
    EXPECT_EQ(LabelsOf(T::RoadCounts).Text(111), "1:1:1");
    EXPECT_EQ(LabelsOf(T::Sum).Text(27), "27");
    // A type too wide for labels shows its decimal value.
    EXPECT_EQ(LabelsOf(T::Sum, 8).Text(70), "70");
}

TEST(ValueLabels, EveryLabelOfEverySearchableTypeReadsBack)
{
    for (int length : {2, 3, 4}) {
        for (int t = 0; t < filter::kConditionTypeCount; ++t) {
            const auto type = static_cast<filter::ConditionType>(t);
            if (!IsFamilyType(type))
                continue;
            filter::Condition condition;
            condition.type = type;
            const ValueLabels labels(condition, length);
            for (const filter::ValueChoice& choice : filter::ValueChoices(condition, length)) {
                EXPECT_EQ(labels.Parse(choice.label), choice.value) << choice.label << " length " << length;
                EXPECT_EQ(labels.Text(choice.value), choice.label);
            }
        }
    }
}

TEST(ValueLabels, ListsReadBackOrNameTheFaultyToken)
{
    const ValueLabels odd = LabelsOf(filter::ConditionType::OddCount);
    std::string error;
    EXPECT_EQ(ParseValueList(odd, "2:1, 0:3、1:2  3:0", error), (std::vector<std::int64_t>{2, 0, 1, 3}));
    EXPECT_TRUE(error.empty());
    EXPECT_EQ(ValueListText(odd, {2, 0}), "2:1 0:3");
    EXPECT_EQ(ParseValueList(odd, "2", error), (std::vector<std::int64_t>{2}));

    // A value no number can have, and text that is no value.
    EXPECT_FALSE(ParseValueList(odd, "2:1 4", error));
    EXPECT_NE(error.find("第2项"), std::string::npos);
    EXPECT_NE(error.find("4"), std::string::npos);
    EXPECT_FALSE(ParseValueList(LabelsOf(filter::ConditionType::Sum), "10 二十", error));
    EXPECT_NE(error.find("二十"), std::string::npos);
    EXPECT_FALSE(ParseValueList(LabelsOf(filter::ConditionType::Sum), "28", error));
    EXPECT_TRUE(ParseValueList(odd, " ", error)->empty());
}

TEST(ValueLabels, TheOmissionListsTitleEveryValueAsTheConditionWindowAndKeepPlainLabels)
{
    // One label function: every value family's item titles are the type's
    // name and the condition window's label; the plain label stays the
    // integer vesk-cli prints.
    for (int t = 0; t < filter::kConditionTypeCount; ++t) {
        const auto type = static_cast<filter::ConditionType>(t);
        if (!IsFamilyType(type))
            continue;
        const std::unique_ptr<Family> family = MakeTypeFamily(type, 3);
        const ValueLabels labels = LabelsOf(type);
        const std::string name(filter::InfoOf(type).name);
        for (const Item& item : family->Items()) {
            const std::int64_t value = std::stoll(item.label);
            EXPECT_EQ(item.title, name + labels.Text(value)) << name << " " << item.label;
            EXPECT_EQ(ValueText(type, value, 3), labels.Text(value));
        }
    }
    const std::unique_ptr<Family> odd = MakeTypeFamily(filter::ConditionType::OddPattern, 3);
    const auto it = std::find_if(odd->Items().begin(), odd->Items().end(),
                                 [](const Item& item) { return item.label == "5"; });
    ASSERT_NE(it, odd->Items().end());
    EXPECT_NE(it->title.find("奇偶奇"), std::string::npos) << it->title;
}

} // namespace
} // namespace vesk::analysis
