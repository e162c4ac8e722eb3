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
