#include "numbers/number_list.h"

#include "list_helpers.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

using test::ListOf;
using test::Strings;
using test::Texts;

TEST(CountReport, GroupsNumbersByOccurrenceAscending)
{
    NumberList list = ListOf("123 456 123 789");
    EXPECT_EQ(list.CountReport(10),
              "出现1次的号码（2注）：\r\n456 789\r\n"
              "出现2次的号码（1注）：\r\n123\r\n");
    // The list keeps the distinct numbers with their counts in the tags.
    EXPECT_EQ(Texts(list), (Strings{"456", "789", "123"}));
    EXPECT_EQ(list.TagAt(2), 2u);
}

TEST(CountReport, BreaksLinesAfterEveryPerLineNumbersWithoutTrailingBlanks)
{
    NumberList list = ListOf("001 002 003 004 005");
    EXPECT_EQ(list.CountReport(2), "出现1次的号码（5注）：\r\n001 002\r\n003 004\r\n005\r\n");
    NumberList even = ListOf("001 002 003 004");
    EXPECT_EQ(even.CountReport(2), "出现1次的号码（4注）：\r\n001 002\r\n003 004\r\n");
    NumberList wide = ListOf("001 002 002");
    EXPECT_EQ(wide.CountReport(99999999), "出现1次的号码（1注）：\r\n001\r\n出现2次的号码（1注）：\r\n002\r\n");
    NumberList noBreaks = ListOf("001 002 003");
    EXPECT_EQ(noBreaks.CountReport(0), "出现1次的号码（3注）：\r\n001 002 003\r\n");
}

TEST(CountReport, WorksForEveryNumberLength)
{
    for (int length = 1; length <= 8; ++length) {
        const std::string number = std::string("12345678").substr(0, static_cast<std::size_t>(length));
        NumberList list = ListOf(number + " " + number + " " + number, length);
        const std::string report = list.CountReport(10);
        EXPECT_EQ(report.substr(0, report.find("\r\n")), "出现3次的号码（1注）：") << length;
        EXPECT_EQ(list.Count(), 1u) << length;
        EXPECT_EQ(list.TagAt(0), 3u) << length;
    }
}

TEST(CountReport, AnEmptyListGivesAnEmptyText)
{
    NumberList empty(3);
    EXPECT_EQ(empty.CountReport(10), "");
}

TEST(GroupForm, SortsDigitsAndKeepsDistinctGroupsAscending)
{
    NumberList list = ListOf("321 213 455 544");
    ASSERT_TRUE(list.ToGroupForm());
    EXPECT_EQ(Texts(list), (Strings{"123", "445", "455"}));
    NumberList seven = ListOf("9876543 3456789 1000000", 7);
    ASSERT_TRUE(seven.ToGroupForm());
    EXPECT_EQ(Texts(seven), (Strings{"0000001", "3456789"}));
}

TEST(SingleForm, ExpandsEveryGroupIntoAllItsOrderings)
{
    struct Case {
        const char* input;
        Strings output;
    } const cases[] = {
        {"112", {"112", "121", "211"}},
        {"123", {"123", "132", "213", "231", "312", "321"}},
        {"777", {"777"}},
        {"312 555", {"123", "132", "213", "231", "312", "321", "555"}},
    };
    for (const auto& c : cases) {
        NumberList list = ListOf(c.input);
        ASSERT_TRUE(list.ToSingleForm());
        EXPECT_EQ(Texts(list), c.output) << c.input;
    }
    NumberList two = ListOf("12 33", 2);
    ASSERT_TRUE(two.ToSingleForm());
    EXPECT_EQ(Texts(two), (Strings{"12", "21", "33"}));
}

TEST(SingleForm, RoundTripGivesEveryOrderingNotOnlyTheOriginals)
{
    NumberList list = ListOf("123");
    list.ToGroupForm();
    list.ToSingleForm();
    EXPECT_EQ(list.Count(), 6u);
}

TEST(SingleForm, OtherLengthsGiveAnEmptyList)
{
    NumberList list = ListOf("12345", 5);
    ASSERT_TRUE(list.ToSingleForm());
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(list.Length(), 5);
}

} // namespace
} // namespace vesk
