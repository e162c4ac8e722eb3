// 号码查询 for many numbers: the index's figures against the one-number
// look-up (itself checked against the slow evaluator) for every number of
// the space, and the query text read into numbers and periods.
#include "components/features/analysis/query/lookup_index.h"
#include "components/features/analysis/query/lookup_query.h"

#include "tests/analysis/slow_omission.h"

#include <gtest/gtest.h>

namespace vesk::analysis {
namespace {

void ExpectSame(const LookupFigures& got, const LookupFigures& want)
{
    EXPECT_EQ(got.hits, want.hits);
    EXPECT_EQ(got.lastDraw, want.lastDraw);
    EXPECT_EQ(got.current, want.current);
    EXPECT_EQ(got.maximum, want.maximum);
    EXPECT_EQ(got.draws, want.draws);
}

void ExpectIndexAgrees(const std::vector<std::uint32_t>& draws, std::initializer_list<std::size_t> windows)
{
    const LookupIndex index(draws, 3);
    for (std::size_t last : windows)
        for (std::uint32_t number = 0; number < 1000; ++number) {
            SCOPED_TRACE(std::to_string(number) + " last " + std::to_string(last) + " of " + std::to_string(draws.size()));
            const NumberLookup want = LookUpNumber(number, 3, draws, last);
            const NumberLookup got = index.LookUp(number, last);
            ExpectSame(got.straight, want.straight);
            ExpectSame(got.group, want.group);
            if (::testing::Test::HasFailure())
                return;
        }
}

TEST(LookupIndex, AgreesWithTheOneNumberLookUpOverTheWholeSpace)
{
    ExpectIndexAgrees(test::SampleDraws(), {30, 100, 0});
    // Hits at the first and the newest draw, a run that began before the
    // window, an empty history, a window larger than the history.
    ExpectIndexAgrees({123, 5, 5, 321, 7, 8, 9, 123}, {1, 2, 3, 5, 0, 30});
    ExpectIndexAgrees({}, {0, 30});
}

TEST(LookupQuery, ReadsNumbersAndPeriodsAndNamesWhatItCannotRead)
{
    const std::vector<std::string> periods = {"2025001", "2025002", "", "2025002"};
    LookupQuery query = ParseLookupQuery(" 123,045\n2025001、678  2025002 ", 3, periods);
    EXPECT_TRUE(query.errors.empty());
    ASSERT_EQ(query.entries.size(), 5u);
    EXPECT_EQ(query.entries[0].number, 123u);
    EXPECT_FALSE(query.entries[0].period);
    EXPECT_EQ(query.entries[1].number, 45u);
    EXPECT_TRUE(query.entries[2].period);
    EXPECT_EQ(query.entries[2].draw, 0u);
    EXPECT_EQ(query.entries[3].number, 678u);
    // A period the file lists twice names its newest draw.
    EXPECT_TRUE(query.entries[4].period);
    EXPECT_EQ(query.entries[4].draw, 3u);

    // Every good token is read; each bad one is named: digits that are
    // neither a number of the game's length nor a period (678901), letters.
    query = ParseLookupQuery("123 12a 2025009 1234 678901 45 2025001", 3, periods);
    ASSERT_EQ(query.errors.size(), 5u);
    EXPECT_NE(query.errors[0].find("第2项"), std::string::npos);
    EXPECT_NE(query.errors[0].find("12a"), std::string::npos);
    EXPECT_NE(query.errors[1].find("2025009"), std::string::npos);
    EXPECT_NE(query.errors[2].find("第4项"), std::string::npos);
    EXPECT_NE(query.errors[3].find("678901"), std::string::npos);
    EXPECT_NE(query.errors[4].find("“45”"), std::string::npos);
    ASSERT_EQ(query.entries.size(), 2u);
    EXPECT_EQ(query.entries[0].number, 123u);
    EXPECT_TRUE(query.entries[1].period);
    EXPECT_TRUE(ParseLookupQuery("  \n ", 3, periods).entries.empty());
}

TEST(LookupQuery, ANumberOfTheGamesLengthIsANumberUnlessMarkedAsAPeriod)
{
    // A file whose periods are short: "123" is still the number.
    const std::vector<std::string> periods = {"1", "123", "45"};
    LookupQuery query = ParseLookupQuery("123 123期 45 45期", 3, periods);
    ASSERT_TRUE(query.errors.empty()) << query.errors.front();
    ASSERT_EQ(query.entries.size(), 4u);
    EXPECT_FALSE(query.entries[0].period);
    EXPECT_EQ(query.entries[0].number, 123u);
    EXPECT_TRUE(query.entries[1].period);
    EXPECT_EQ(query.entries[1].draw, 1u);
    EXPECT_TRUE(query.entries[2].period);
    EXPECT_EQ(query.entries[2].draw, 2u);
    EXPECT_TRUE(query.entries[3].period);
    // A marked period the history lacks is named, not read as a number.
    query = ParseLookupQuery("456期 期", 3, periods);
    ASSERT_EQ(query.errors.size(), 2u);
    EXPECT_NE(query.errors[0].find("456期"), std::string::npos);
    EXPECT_TRUE(query.entries.empty());
}

} // namespace
} // namespace vesk::analysis
