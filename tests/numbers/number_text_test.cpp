#include "numbers/block_append.h"
#include "numbers/match_expansion.h"
#include "numbers/number_list.h"
#include "numbers/presence.h"
#include "numbers/text_encoding.h"

#include "list_helpers.h"

#include <gtest/gtest.h>

#include <random>

namespace vesk {
namespace {

using test::ListOf;
using test::Strings;
using test::Texts;

struct ParseCase {
    const char* text;
    int length;
    bool dedupe;
    std::int64_t result;
    Strings numbers;
};

TEST(ParseText, GroupsDigitsWhateverStandsBetweenThem)
{
    const ParseCase cases[] = {
        {"1 2 3", 3, false, 1, {"123"}},
        {"1,2,3;4x5y6", 3, false, 2, {"123", "456"}},
        {"1234567", 3, false, 2, {"123", "456"}},
        {"321 123 321", 3, true, 2, {"123", "321"}},
        {"321 123 321", 3, false, 3, {"321", "123", "321"}},
        {"号码：１２３ 789", 3, false, 1, {"789"}}, // full-width digits are not digits
        {"12345678\r\n87654321", 8, true, 2, {"12345678", "87654321"}},
        {"9 8 7 6 5", 1, true, 5, {"5", "6", "7", "8", "9"}},
        {"0000000 0000000", 7, true, 1, {"0000000"}},
    };
    for (const auto& c : cases) {
        NumberList list(3);
        EXPECT_EQ(list.ParseText(c.text, c.length, c.dedupe), c.result) << c.text;
        EXPECT_EQ(Texts(list), c.numbers) << c.text;
        EXPECT_EQ(list.Length(), c.length) << c.text;
    }
}

TEST(ParseText, TextShorterThanOneNumberLeavesTheListAsItWas)
{
    NumberList list = ListOf("555 666");
    EXPECT_EQ(list.ParseText("", 3), 0);
    EXPECT_EQ(list.ParseText("12", 3), 0);
    EXPECT_EQ(list.ParseText("12", 5), 0);
    EXPECT_EQ(Texts(list), (Strings{"555", "666"}));
    EXPECT_EQ(list.Length(), 3);
}

TEST(ParseText, TextWithoutACompleteNumberEmptiesTheList)
{
    for (bool dedupe : {false, true}) {
        NumberList list = ListOf("555 666");
        EXPECT_EQ(list.ParseText("abcdef 12", 3, dedupe), 0);
        EXPECT_EQ(list.Count(), 0u);
        EXPECT_EQ(list.Length(), 0);
    }
}

TEST(ParseText, FastAndBytewisePathsAgreeOnRandomText)
{
    std::mt19937 random(3);
    const std::string alphabet = "0123456789 ,\n\r-x\x80\xff";
    for (int round = 0; round < 200; ++round) {
        std::string text;
        const int length = 1 + static_cast<int>(random() % 8);
        if (round % 2 == 0) {
            const int size = static_cast<int>(random() % 200);
            for (int i = 0; i < size; ++i)
                text += alphabet[random() % alphabet.size()];
        } else {
            // Regular number text, the case the wide paths are built for.
            const int numbers = static_cast<int>(random() % 40);
            for (int n = 0; n < numbers; ++n) {
                for (int d = 0; d < length + static_cast<int>(random() % 3) - 1; ++d)
                    text += static_cast<char>('0' + random() % 10);
                text.append(random() % 3, " \n,"[random() % 3]);
            }
        }
        NumberList list(3);
        list.ParseText(text, length, false);
        ASSERT_EQ(Texts(list), test::ExpectedNumbers(text, length, false)) << text;
        NumberList unique(3);
        unique.ParseText(text, length, true);
        ASSERT_EQ(Texts(unique), test::ExpectedNumbers(text, length, true)) << text;
    }
}

TEST(Presence, ParsesTriplesAndIgnoresATrailingPartOne)
{
    C3DUIntArray presence;
    presence.Add(1);
    ASSERT_TRUE(ParsePresence("007 1 2 3 999 12", presence));
    ASSERT_EQ(presence.GetSize(), 1000u);
    EXPECT_EQ(presence[0], 0u);
    EXPECT_EQ(presence[7], 1u);
    EXPECT_EQ(presence[123], 1u);
    EXPECT_EQ(presence[999], 1u);
    EXPECT_EQ(presence[12], 0u);
}

TEST(Presence, FormatsCodesAscendingWithTheGivenCountPerLine)
{
    C3DUIntArray presence;
    ParsePresence("005 003 001", presence);
    EXPECT_EQ(FormatPresence(presence, 1), "001\r\n003\r\n005");
    EXPECT_EQ(FormatPresence(presence, 10), "001 003 005");
    EXPECT_EQ(FormatPresence(presence, 3), "001 003 005");
    C3DUIntArray many;
    many.SetSize(1000);
    for (int i = 0; i < 25; ++i)
        many[static_cast<std::size_t>(i * 7)] = 1;
    const std::string text = FormatPresence(many, 10);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
    EXPECT_EQ(text.substr(text.rfind('\n') + 1).size(), 5u * 4 - 1);
    EXPECT_EQ(FormatPresence(C3DUIntArray(), 10), "");
}

TEST(BlockAppend, SeparatesBlocksWithAnEmptyLineAndPutsTheCaretAtTheNewBlock)
{
    const AppendedBlock first = AppendBlock(0, "123 456");
    EXPECT_EQ(first.tail, "123 456");
    EXPECT_EQ(first.caret, 0u);
    const AppendedBlock second = AppendBlock(first.tail.size(), "789");
    EXPECT_EQ(first.tail + second.tail, "123 456\r\n\r\n789");
    EXPECT_EQ(second.caret, 11u);
    EXPECT_EQ(AppendBlock(5, "").tail, "\r\n\r\n") << "an empty block still separates";
}

TEST(MatchExpansion, EachMatchCharacterTakesEveryDigitEarlierPositionsSlowest)
{
    MatchExpansion one = ExpandMatch("1?3", '?', 3);
    ASSERT_TRUE(one.ok);
    EXPECT_EQ(one.digits, "103113123133143153163173183193");
    MatchExpansion two = ExpandMatch("??5", '?', 3);
    ASSERT_TRUE(two.ok);
    EXPECT_EQ(two.numbers, 100u);
    EXPECT_EQ(two.digits.substr(0, 9), "005015025");
    EXPECT_EQ(two.digits.substr(30, 3), "105");
    MatchExpansion mixed = ExpandMatch("12 x 3, *45", '*', 3);
    EXPECT_EQ(mixed.digits.substr(0, 6), "123045");
    EXPECT_EQ(mixed.numbers, 11u);
}

TEST(MatchExpansion, DropsAFinalShortGroupBeforeExpanding)
{
    MatchExpansion result = ExpandMatch("123 4?", '?', 3);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.digits, "123");
}

TEST(MatchExpansion, TheCeilingIsExactlyTheLimit)
{
    // One-digit groups keep the expansion small in memory: each "?" is ten
    // numbers, so the limit is reached by groups alone.
    const std::string atLimit(kMaxExpandedNumbers / 10, '?');
    const MatchExpansion full = ExpandMatch(atLimit, '?', 1);
    ASSERT_TRUE(full.ok) << full.error;
    EXPECT_EQ(full.numbers, kMaxExpandedNumbers);
    EXPECT_EQ(full.digits.size(), kMaxExpandedNumbers);
    EXPECT_EQ(full.digits.substr(full.digits.size() - 12), "890123456789");

    const MatchExpansion onePast = ExpandMatch(atLimit + "5", '?', 1);
    EXPECT_FALSE(onePast.ok);
    EXPECT_NE(onePast.error.find("more than"), std::string::npos);
    EXPECT_TRUE(onePast.digits.empty());
    EXPECT_FALSE(ExpandMatch("5" + atLimit, '?', 1).ok);
}

TEST(MatchExpansion, RefusesHugeResultsAndBadArguments)
{
    EXPECT_FALSE(ExpandMatch("????????", '?', 8).ok);
    EXPECT_TRUE(ExpandMatch("???????", '?', 7).ok);
    const MatchExpansion refused = ExpandMatch(std::string(30, '?'), '?', 7);
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.error.find("more than"), std::string::npos);
    EXPECT_FALSE(ExpandMatch("123", '1', 3).ok);
    EXPECT_FALSE(ExpandMatch(std::string_view("1\0" "3", 3), '\0', 3).ok);
    EXPECT_FALSE(ExpandMatch("123", '?', 9).ok);
}

TEST(TextEncoding, BlanksGb18030FourByteCharactersOnlyOutsideUtf8)
{
    EXPECT_TRUE(IsValidUtf8("号码 123"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));
    EXPECT_FALSE(IsValidUtf8("\xE4\xB8"));
    // A sequence cut by the end of the view, whatever follows in memory.
    EXPECT_FALSE(IsValidUtf8(std::string_view("\xE4\xB8\xAD", 2)));
    EXPECT_FALSE(IsValidUtf8(std::string_view("ab\xC3\xA9", 3)));
    std::string gb = "\x81\x30\x81\x30 123 \xB0\xA1 456";
    EXPECT_FALSE(IsValidUtf8(gb));
    PrepareNumberText(gb);
    EXPECT_EQ(gb, "     123 \xB0\xA1 456");
    std::string utf8 = "号码 123";
    PrepareNumberText(utf8);
    EXPECT_EQ(utf8, "号码 123");
}

} // namespace
} // namespace vesk
