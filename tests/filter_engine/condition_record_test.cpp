// Each condition's own record against the oracle: every condition, group
// and the set judged literally, number by number, with the draws before
// each judged draw as its history.
#include "components/filter/engine/condition_record.h"

#include "components/filter/engine/binomial.h"

#include "oracle.h"
#include "random_sets.h"

#include <gtest/gtest.h>

namespace vesk::filter::test {
namespace {

// The record the definitions give: `alone` is the set that stands for the
// item (one condition in a group without errors, one group, or the set).
ConditionRecord Slow(const ConditionSet& alone, const std::vector<std::string>& draws, std::size_t first)
{
    ConditionRecord record;
    for (std::size_t index = first; index < draws.size(); ++index) {
        const std::vector<std::string> before(draws.begin(), draws.begin() + static_cast<std::ptrdiff_t>(index));
        const bool kept = OraclePasses(alone, draws[index], before);
        record.kept += kept ? 1 : 0;
        for (std::uint32_t code = 0; code < 1000; ++code)
            record.keptNumbers += OraclePasses(alone, NumberText(code, 3), before) ? 1 : 0;
        record.currentCut = kept ? 0 : record.currentCut + 1;
        record.longestCut = std::max(record.longestCut, record.currentCut);
    }
    return record;
}

void ExpectRecord(const ConditionRecord& fast, const ConditionRecord& slow, const std::string& what)
{
    EXPECT_EQ(fast.kept, slow.kept) << what;
    EXPECT_EQ(fast.keptNumbers, slow.keptNumbers) << what;
    EXPECT_EQ(fast.currentCut, slow.currentCut) << what;
    EXPECT_EQ(fast.longestCut, slow.longestCut) << what;
}

TEST(ConditionRecord, EveryItemAgreesWithTheOracleOnRandomSets)
{
    std::mt19937 rng(3407);
    for (int round = 0; round < 12; ++round) {
        std::vector<std::string> draws;
        std::vector<std::uint32_t> codes;
        for (int i = 0; i < 14; ++i) {
            draws.push_back(RandomNumber(3, rng));
            codes.push_back(static_cast<std::uint32_t>(std::stoul(draws.back())));
        }
        const ConditionSet set = RandomSet(3, draws, rng);
        const std::size_t last = static_cast<std::size_t>(Pick(rng, 1, 16));
        const ConditionRecords records = RecordConditions(set, 3, codes, last);
        ASSERT_TRUE(records.ok) << records.error;
        const BacktestResult plain = Backtest(set, 3, codes, last);
        ASSERT_EQ(records.judged, plain.draws.size());
        const std::size_t first = codes.size() - records.judged;
        const std::string what = "round " + std::to_string(round);

        std::size_t at = 0;
        for (std::size_t g = 0; g < set.groups.size(); ++g) {
            if (!set.groups[g].enabled)
                continue;
            for (std::size_t c = 0; c < set.groups[g].conditions.size(); ++c) {
                Condition alone = set.groups[g].conditions[c];
                if (!alone.enabled)
                    continue;
                ASSERT_LT(at, records.records.size());
                const ConditionRecord& fast = records.records[at++];
                EXPECT_EQ(fast.item, RecordItem::Condition);
                EXPECT_EQ(fast.ref, (ConditionRef{g, c}));
                ExpectRecord(fast, Slow({3, {{"", true, 0, 0, {alone}}}, {}}, draws, first),
                             what + " condition " + RecordName(fast));
            }
        }
        for (std::size_t g = 0; g < set.groups.size(); ++g) {
            if (!set.groups[g].enabled)
                continue;
            ASSERT_LT(at, records.records.size());
            const ConditionRecord& fast = records.records[at++];
            EXPECT_EQ(fast.item, RecordItem::Group);
            EXPECT_EQ(RecordName(fast), std::to_string(g + 1));
            ExpectRecord(fast, Slow({3, {set.groups[g]}, {}}, draws, first), what + " group " + RecordName(fast));
        }
        ASSERT_EQ(at + 1, records.records.size());
        const ConditionRecord& whole = records.records.back();
        EXPECT_EQ(RecordName(whole), "set");
        ExpectRecord(whole, Slow(set, draws, first), what + " set");
        // The set's line is the plain back-test's rate and baseline.
        EXPECT_EQ(whole.kept, plain.kept) << what;
        EXPECT_EQ(whole.keptNumbers, plain.keptNumbers) << what;
    }
}

// Sum 10 or 11 forgiven once in a group with a repeat condition: the sum
// keeps a draw its group forgave, and the cuts count from the newest draw.
TEST(ConditionRecord, AConditionKeepsWhatPassesItAloneAndCutsRunFromTheNewest)
{
    const Condition sum = MakeCondition(ConditionType::Sum, {10, 11});
    const Condition repeat = MakeCondition(ConditionType::Repeat, {0});
    Condition off = MakeCondition(ConditionType::Span, {0});
    off.enabled = false;
    ConditionSet set{3, {{"a", true, 0, 1, {off, sum, repeat}}, {"b", false, 0, 0, {sum}}}, {}};
    // Judged: 128 (sum 11, nothing of 555 again), 940 (13, nothing again),
    // 117 (9, nothing again), 163 (10, repeats the 1 of 117), 999 (27).
    const std::vector<std::uint32_t> draws = {555, 128, 940, 117, 163, 999};
    const ConditionRecords records = RecordConditions(set, 3, draws, 30);
    ASSERT_TRUE(records.ok) << records.error;
    EXPECT_EQ(records.judged, 5u);
    ASSERT_EQ(records.records.size(), 4u); // 1.2, 1.3, 1, set; the disabled ones are not listed
    EXPECT_EQ(RecordName(records.records[0]), "1.2");
    EXPECT_EQ(RecordName(records.records[1]), "1.3");
    const ConditionRecord& sumRecord = records.records[0];
    EXPECT_EQ(sumRecord.kept, 2u);       // 128 and 163
    EXPECT_EQ(sumRecord.keptNumbers, 5u * (63 + 69));
    EXPECT_EQ(sumRecord.currentCut, 1u);  // 999
    EXPECT_EQ(sumRecord.longestCut, 2u);  // 940, 117
    const ConditionRecord& repeatRecord = records.records[1];
    EXPECT_EQ(repeatRecord.kept, 4u); // 163 repeats the 1 of 117
    EXPECT_EQ(repeatRecord.currentCut, 0u);
    EXPECT_EQ(repeatRecord.longestCut, 1u);
    // No draw fails both, and the group forgives one error: it keeps all.
    EXPECT_EQ(records.records[2].kept, 5u);
    EXPECT_EQ(records.records[3].kept, 5u);
    // p at the baseline as printed: 2 of 5 at 0.1320.
    EXPECT_NEAR(RecordPValue(sumRecord, 5, 1000), BinomialAtLeast(2, 5, 0.1320), 1e-15);
}

TEST(ConditionRecord, NothingJudgedStillListsTheItems)
{
    const ConditionSet set{3, {{"a", true, 0, 0, {MakeCondition(ConditionType::Repeat, {0})}}}, {}};
    const std::vector<std::uint32_t> one = {123};
    const ConditionRecords records = RecordConditions(set, 3, one, 30);
    ASSERT_TRUE(records.ok);
    EXPECT_EQ(records.judged, 0u);
    ASSERT_EQ(records.records.size(), 3u);
    EXPECT_EQ(RecordPValue(records.records[0], 0, 1000), 1);
    const std::vector<std::uint32_t> bad = {123, 1000};
    EXPECT_FALSE(RecordConditions(set, 3, bad, 30).ok);
}

} // namespace
} // namespace vesk::filter::test
