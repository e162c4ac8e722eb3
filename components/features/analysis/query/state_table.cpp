#include "components/features/analysis/query/state_table.h"

#include "components/features/analysis/family.h"
#include "components/features/analysis/omission_table.h"

#include "components/filter/engine/condition_value.h"
#include "components/filter/engine/digits.h"
#include "components/filter/engine/history_index.h"

#include <algorithm>
#include <map>

namespace vesk::analysis {

StateValues ComputeStateValues(std::span<const std::uint32_t> draws, int length)
{
    StateValues table;
    std::uint32_t space = 1;
    for (int i = 0; i < length; ++i)
        space *= 10;
    filter::HistoryIndex before({}, length);
    for (std::size_t c = 0; c < kStateColumns; ++c) {
        filter::Condition condition;
        condition.type = kStateColumnList[c].type;
        const filter::PreparedCondition evaluator(condition, length);
        std::vector<std::int64_t>& column = table.values[c];
        column.reserve(draws.size());
        if (filter::InfoOf(condition.type).needsHistory) {
            // Each draw against the draws before it: the index grows behind it.
            before = filter::HistoryIndex({}, length);
            for (std::uint32_t code : draws) {
                const filter::Digits digits = filter::DigitsOf(code, length);
                column.push_back(before.Size() == 0 ? kNoValue : evaluator.ValueOf(digits.data(), &before));
                before.Append(code);
            }
            continue;
        }
        // One value per number of the space, then a look-up per draw.
        std::vector<std::int64_t> byCode(space);
        ForEachNumber(length, [&](std::uint32_t code, const std::uint8_t* digits) {
            byCode[code] = evaluator.ValueOf(digits, nullptr);
        });
        for (std::uint32_t code : draws)
            column.push_back(code < space ? byCode[code] : kNoValue);
    }
    return table;
}

std::vector<std::pair<std::int64_t, std::int64_t>> ValueCounts(std::span<const std::int64_t> column, std::size_t last)
{
    const std::size_t n = WindowSize(last, column.size());
    std::map<std::int64_t, std::int64_t> counts;
    for (std::size_t i = column.size() - n; i < column.size(); ++i)
        if (column[i] != kNoValue)
            ++counts[column[i]];
    return {counts.begin(), counts.end()};
}

} // namespace vesk::analysis
