// The table's tints and record marks at their bounds: 欲出几率 exactly 1 and
// 2, 当前遗漏 exactly nine tenths of 最大遗漏, and an item that never missed.
#include "components/features/omission/table_text.h"

#include <gtest/gtest.h>

namespace vesk::omission {
namespace {

analysis::OmissionRow Row(analysis::Figure ratio, std::int64_t current, std::int64_t maximum)
{
    analysis::OmissionRow row;
    row.ratio = ratio;
    row.current = current;
    row.maximum = maximum;
    return row;
}

TEST(TableMarks, TintsByTheExactRatio)
{
    EXPECT_EQ(TintOf(Row({99, 100}, 0, 0)), RowTint::None);
    EXPECT_EQ(TintOf(Row({7, 7}, 0, 0)), RowTint::Due);
    EXPECT_EQ(TintOf(Row({199, 100}, 0, 0)), RowTint::Due);
    EXPECT_EQ(TintOf(Row({18, 9}, 0, 0)), RowTint::Overdue);
    EXPECT_EQ(TintOf(Row({5, 1}, 0, 0)), RowTint::Overdue);
}

TEST(TableMarks, NearTheRecordWithinATenth)
{
    EXPECT_TRUE(NearRecord(Row({}, 9, 10)));
    EXPECT_FALSE(NearRecord(Row({}, 8, 10)));
    EXPECT_TRUE(NearRecord(Row({}, 10, 10)));
    EXPECT_FALSE(NearRecord(Row({}, 17, 19))); // 17 < 17.1
    EXPECT_TRUE(NearRecord(Row({}, 18, 19)));
    EXPECT_FALSE(NearRecord(Row({}, 0, 0))); // hit every draw of the window: no record to near
}

} // namespace
} // namespace vesk::omission
