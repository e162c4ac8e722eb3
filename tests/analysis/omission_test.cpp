// The core's omission tables against the slow evaluator, family by family,
// on the sample history and on small hand-made histories.
#include "components/features/analysis/family_builders.h"
#include "components/features/analysis/omission_table.h"

#include "tests/analysis/slow_omission.h"

#include <gtest/gtest.h>

namespace vesk::analysis {
namespace {

using test::SlowOmission;

void ExpectAgrees(const std::string& id, const std::vector<std::uint32_t>& draws, std::size_t last)
{
    SCOPED_TRACE(id + " last " + std::to_string(last) + " of " + std::to_string(draws.size()));
    const FamilyResult made = FamilyOfId(id, 3);
    ASSERT_TRUE(made.family) << made.error;
    const Family& family = *made.family;
    const OmissionTable table = ComputeOmissions(family, draws, last);
    EXPECT_EQ(table.window, last == 0 ? draws.size() : std::min(last, draws.size()));

    std::size_t next = 0;
    for (std::size_t k = 0; k < family.Size(); ++k) {
        const std::string& label = family.Items()[k].label;
        const test::SlowRow slow = SlowOmission(test::PredicateOfLabel(id, label, 3), draws, last, 3);
        ASSERT_EQ(family.SpaceCount(k), static_cast<std::uint64_t>(slow.spaceCount)) << label;
        if (slow.spaceCount == 0 || slow.spaceCount == slow.spaceSize)
            continue;
        ASSERT_LT(next, table.rows.size()) << label << " is missing";
        const OmissionRow& row = table.rows[next++];
        ASSERT_EQ(row.item, k);
        SCOPED_TRACE(label);
        EXPECT_EQ(row.current, slow.current);
        EXPECT_EQ(row.previous, slow.previous);
        EXPECT_EQ(row.maximum, slow.maximum);
        EXPECT_EQ(row.hits, slow.hits);
        EXPECT_EQ(row.maxRun, slow.maxRun);
        EXPECT_EQ(FormatFigure(row.average, 2), slow.average);
        EXPECT_EQ(FormatFigure(row.expected, 2), slow.expected);
        EXPECT_EQ(FormatFigure(row.ratio, 2), slow.ratio);
        EXPECT_EQ(FormatFigure(row.rate, 4), slow.rate);
    }
    EXPECT_EQ(next, table.rows.size()) << "rows for items of probability 0 or 1";
}

const std::vector<std::string> kSmallFamilies = {"sum", "span", "odd-count", "road-pattern", "distinct-count",
                                                 "single-1", "single-2", "group-1", "group-2", "cover-1",
                                                 "cover-3", "cover-5", "cover-9"};

TEST(OmissionTable, AgreesWithTheSlowEvaluatorOnTheSampleHistory)
{
    const std::vector<std::uint32_t> draws = test::SampleDraws();
    ASSERT_EQ(draws.size(), 8374u);
    for (const std::string& id : kSmallFamilies)
        for (std::size_t last : {30u, 100u, 0u})
            ExpectAgrees(id, draws, last);
    // The large families once, over the default window.
    ExpectAgrees("single-3", draws, 100);
    ExpectAgrees("group-3", draws, 100);
}

TEST(OmissionTable, AgreesWithTheSlowEvaluatorOnHandMadeHistories)
{
    const std::vector<std::vector<std::uint32_t>> histories = {
        {},                               // no draws: an empty window
        {777},                            // one draw
        {123, 456, 123},                  // digit 7, pairs of 7 never hit
        {700, 123, 456, 123, 7},          // 7 hits at both ends
        {123, 456, 777},                  // 7 hits on the newest draw
        {777, 777, 777, 123, 777, 777},   // runs of hits across the window's start
        {0, 999, 0, 999, 0, 999, 0, 999}, // alternating
    };
    for (const auto& draws : histories)
        for (const std::string& id : kSmallFamilies)
            for (std::size_t last : {1u, 2u, 3u, 0u})
                ExpectAgrees(id, draws, last);
}

// Figures for digit 7 anywhere (组选单码 7), worked out by hand, so that the
// two evaluators cannot share a misreading of the definitions.
struct Case {
    const char* name;
    std::vector<std::uint32_t> draws;
    std::size_t last;
    std::int64_t current, previous, maximum, hits, maxRun;
};

TEST(OmissionTable, DigitSevenByHand)
{
    const std::vector<Case> cases = {
        {"never", {123, 456}, 0, 2, 0, 2, 0, 0},
        {"newest", {123, 456, 777}, 0, 0, 2, 2, 1, 1},
        {"both ends, run begun before the window counted whole", {700, 123, 456, 123, 7}, 2, 0, 3, 3, 1, 1},
        {"both ends, window of the newest only", {700, 123, 456, 123, 7}, 1, 0, 3, 0, 1, 1},
        {"one draw", {777}, 0, 0, 0, 0, 1, 1},
        {"hits run across the window's start", {777, 777, 777, 123, 777, 777}, 4, 0, 0, 1, 3, 2},
        {"a run ending before the window is left out", {123, 123, 123, 7, 7}, 2, 0, 0, 0, 2, 2},
    };
    const std::unique_ptr<Family> family = MakeGroup1(3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const OmissionTable table = ComputeOmissions(*family, c.draws, c.last);
        const OmissionRow& row = table.rows[7];
        ASSERT_EQ(row.item, 7u);
        EXPECT_EQ(row.current, c.current);
        EXPECT_EQ(row.previous, c.previous);
        EXPECT_EQ(row.maximum, c.maximum);
        EXPECT_EQ(row.hits, c.hits);
        EXPECT_EQ(row.maxRun, c.maxRun);
    }
}

TEST(OmissionTable, EmptyHistoryGivesZerosAndNoNan)
{
    const std::unique_ptr<Family> family = MakeGroup1(3);
    const OmissionTable table = ComputeOmissions(*family, {}, 100);
    ASSERT_EQ(table.rows.size(), 10u);
    EXPECT_EQ(table.window, 0u);
    const OmissionRow& row = table.rows[0];
    EXPECT_EQ(row.current, 0);
    EXPECT_EQ(row.maximum, 0);
    EXPECT_EQ(FormatFigure(row.rate, 4), "0.0000");
    EXPECT_EQ(FormatFigure(row.average, 2), "0.00");
    EXPECT_EQ(FormatFigure(row.expected, 2), "2.69"); // 729 / 271
}

TEST(OmissionTable, TheoreticalSharesOfTheSpace)
{
    struct Share {
        const char* family;
        const char* label;
        std::uint64_t count;
    };
    const std::vector<Share> shares = {
        {"sum", "10", 63},         {"sum", "0", 1},           {"span", "0", 10},
        {"distinct-count", "2", 270}, {"group-1", "7", 271},   {"group-2", "11", 28},
        {"group-2", "12", 54},     {"group-3", "112", 3},     {"group-3", "123", 6},
        {"cover-3", "012", 27},    {"single-2", "0,2:35", 10}, {"road-pattern", "12", 36},
    };
    for (const Share& share : shares) {
        const FamilyResult made = FamilyOfId(share.family, 3);
        ASSERT_TRUE(made.family);
        bool found = false;
        for (std::size_t k = 0; k < made.family->Size(); ++k) {
            if (made.family->Items()[k].label == share.label) {
                EXPECT_EQ(made.family->SpaceCount(k), share.count) << share.family << " " << share.label;
                found = true;
            }
        }
        EXPECT_TRUE(found) << share.family << " " << share.label;
    }
    // Every family splits or covers the space as its kind says.
    EXPECT_EQ(FamilyOfId("group-3", 3).family->Size(), 220u);
    EXPECT_EQ(FamilyOfId("single-3", 3).family->Size(), 1000u);
    EXPECT_EQ(FamilyOfId("group-2", 3).family->Size(), 55u);
    EXPECT_EQ(FamilyOfId("cover-4", 3).family->Size(), 210u);
    EXPECT_EQ(FamilyOfId("sum", 3).family->Size(), 28u);
}

TEST(OmissionTable, FamilyIdsRefused)
{
    for (const char* id : {"repeat", "position", "cover-0", "cover-10", "cover-", "cover-3x", "single-4", ""})
        EXPECT_FALSE(FamilyOfId(id, 3).family) << id;
    EXPECT_NE(FamilyOfId("omission", 3).error.find("history"), std::string::npos);
}

TEST(OmissionTable, LeafCodesNameTheirFamilies)
{
    EXPECT_EQ(FamilyOfLeaf(0x1035, 3)->Size(), 220u);
    EXPECT_EQ(FamilyOfLeaf(0x1031, 3)->Size(), 300u);
    EXPECT_EQ(FamilyOfLeaf(0x1002, 3)->Name(), "3码遗漏");
    EXPECT_EQ(FamilyOfLeaf(0x1008, 3)->Name(), "9码遗漏");
    EXPECT_FALSE(FamilyOfLeaf(0x1009, 3));
    EXPECT_FALSE(FamilyOfLeaf(0x1020, 3));
}

TEST(Figure, RoundsHalfUpFromTheExactValue)
{
    EXPECT_EQ(FormatFigure({1, 8}, 2), "0.13");
    EXPECT_EQ(FormatFigure({107, 40}, 2), "2.68"); // 2.675, which a double holds as 2.67499...
    EXPECT_EQ(FormatFigure({1, 8}, 1, 100), "12.5");
    EXPECT_EQ(FormatFigure({999, 1000}, 2), "1.00");
    EXPECT_EQ(FormatFigure({2, 3}, 4), "0.6667");
    EXPECT_EQ(FormatFigure({7, 1}, 0), "7");
    EXPECT_EQ((Figure{1, 3}).Compare({2, 6}), 0);
    EXPECT_LT((Figure{1, 3}).Compare({334, 1000}), 0);
}

} // namespace
} // namespace vesk::analysis
