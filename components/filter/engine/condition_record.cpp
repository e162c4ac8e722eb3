#include "components/filter/engine/condition_record.h"

#include "components/filter/engine/binomial.h"
#include "components/filter/engine/condition_type.h"

#include <algorithm>

namespace vesk::filter {

namespace {

void Score(ConditionRecord& record, bool kept, std::uint64_t keptNumbers)
{
    record.kept += kept ? 1 : 0;
    record.keptNumbers += keptNumbers;
    record.currentCut = kept ? 0 : record.currentCut + 1;
    record.longestCut = std::max(record.longestCut, record.currentCut);
}

} // namespace

ConditionRecords RecordConditions(const ConditionSet& set, int length, std::span<const std::uint32_t> draws,
                                  std::size_t last)
{
    ConditionRecords result;
    // The records in the compiled set's order, which is the file's, listed
    // even when no draw can be judged.
    std::vector<bool> moves;
    for (std::size_t g = 0; g < set.groups.size(); ++g) {
        if (!set.groups[g].enabled)
            continue;
        for (std::size_t c = 0; c < set.groups[g].conditions.size(); ++c) {
            if (set.groups[g].conditions[c].enabled) {
                result.records.push_back({RecordItem::Condition, {g, c}});
                moves.push_back(InfoOf(set.groups[g].conditions[c].type).needsHistory);
            }
        }
    }
    const std::size_t conditions = result.records.size();
    for (std::size_t g = 0; g < set.groups.size(); ++g) {
        if (set.groups[g].enabled)
            result.records.push_back({RecordItem::Group, {g, 0}});
    }
    const std::size_t groups = result.records.size() - conditions;
    result.records.push_back({RecordItem::Set, {}});
    std::vector<std::uint8_t> fails;
    std::vector<std::uint8_t> groupFails;
    // Fail counts of the conditions that need no history stay as the first
    // draw found them; only the others are counted again.
    std::vector<std::uint64_t> failCounts;
    result.error = WalkJudgedDraws(set, length, draws, last, [&](const CompiledSet& compiled, std::size_t index) {
        if (result.judged == 0) {
            for (std::size_t i = 0; i < conditions; ++i)
                failCounts.push_back(compiled.ConditionAt(i).FailCount(compiled.Space()));
        }
        const std::uint64_t space = compiled.Space().Size();
        const std::uint32_t code = draws[index];
        const bool kept = compiled.Explain(code, fails, groupFails);
        for (std::size_t i = 0; i < conditions; ++i) {
            if (moves[i] && result.judged > 0)
                failCounts[i] = compiled.ConditionAt(i).FailCount(compiled.Space());
            Score(result.records[i], fails[i] == 0, space - failCounts[i]);
        }
        for (std::size_t g = 0; g < groups; ++g)
            Score(result.records[conditions + g], groupFails[g] == 0, compiled.GroupKeptCount(g));
        Score(result.records.back(), kept, compiled.KeptCount());
        ++result.judged;
    });
    result.ok = result.error.empty();
    if (!result.ok)
        result.records.clear();
    result.spaceSize = SpaceSizeOf(length);
    return result;
}

double RecordPValue(const ConditionRecord& record, std::uint64_t judged, std::uint64_t spaceSize)
{
    if (judged == 0 || spaceSize == 0)
        return 1;
    const double baseline = static_cast<double>(ScaledHalfUp(record.keptNumbers, judged * spaceSize, 4)) / 10000;
    return BinomialAtLeast(record.kept, judged, baseline);
}

std::string RecordName(const ConditionRecord& record)
{
    switch (record.item) {
    case RecordItem::Condition:
        return std::to_string(record.ref.group + 1) + "." + std::to_string(record.ref.condition + 1);
    case RecordItem::Group:
        return std::to_string(record.ref.group + 1);
    default:
        return "set";
    }
}

} // namespace vesk::filter
