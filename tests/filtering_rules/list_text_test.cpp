// The text the workbench writes into the editor for a list.
#include "filtering/rules/list_text.h"

#include "numbers/number_list.h"

#include <gtest/gtest.h>

#include <limits>

namespace vesk::workbench {
namespace {

NumberList ListOf(const char* text, int length = 3)
{
    NumberList list(length);
    list.ParseText(text, length, false);
    return list;
}

TEST(ListText, DistinctCodesAscendingWithLineBreaksAfterEveryNth)
{
    EXPECT_EQ(DistinctCodesText(ListOf("123 123"), 2), "123");
    EXPECT_EQ(DistinctCodesText(ListOf("999 005 123 005 450"), 2), "005 123\r\n450 999");
    EXPECT_EQ(DistinctCodesText(ListOf("999 005 123 450"), 2), "005 123\r\n450 999");
    EXPECT_EQ(DistinctCodesText(ListOf("999 005 123"), 0), "005 123 999");
    EXPECT_EQ(DistinctCodesText(ListOf("999 005 123"), 4), "005 123 999");
    EXPECT_EQ(DistinctCodesText(ListOf(""), 3), "");
}

TEST(ListText, LongerNumbersGiveTheirFirstThreeDigits)
{
    EXPECT_EQ(DistinctCodesText(ListOf("12345 12399 00012", 5), 0), "000 123");
}

TEST(ListText, ShorterNumbersFillTheirMissingPlacesWithZeros)
{
    // Marked records (a recycle list holds them) and unmarked ones alike: the
    // next record's tag follows a record's digits, and a marked tag's bytes
    // are no zeros, so a place read too many shows.
    for (bool marked : {false, true}) {
        NumberList two = ListOf("56 12 34 12", 2);
        NumberList one = ListOf("7 0 3", 1);
        if (marked) {
            two.SetAllTags(NumberList::kRemovalTag);
            one.SetAllTags(NumberList::kRemovalTag);
        }
        EXPECT_EQ(DistinctCodesText(two, 0), "120 340 560") << "marked " << marked;
        EXPECT_EQ(DistinctCodesText(two, 2), "120 340\r\n560") << "marked " << marked;
        EXPECT_EQ(DistinctCodesText(one, 0), "000 300 700") << "marked " << marked;
    }
}

TEST(ListText, PerLineCountsNoTextReachesMeanNoBreaks)
{
    EXPECT_EQ(LineBreakEvery(0), 0u);
    EXPECT_EQ(LineBreakEvery(-3), 0u);
    EXPECT_EQ(LineBreakEvery(1), 1u);
    EXPECT_EQ(LineBreakEvery(99999999), 99999999u);
    EXPECT_EQ(LineBreakEvery(std::int64_t(std::numeric_limits<std::uint32_t>::max()) + 1), 0u);
}

} // namespace
} // namespace vesk::workbench
