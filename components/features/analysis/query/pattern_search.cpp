#include "components/features/analysis/query/pattern_search.h"

#include "components/features/analysis/family.h"
#include "components/features/analysis/omission_table.h"
#include "components/filter/engine/condition_value.h"

#include <algorithm>
#include <map>

namespace vesk::analysis {

std::vector<std::int64_t> DrawValues(const filter::Condition& type, int length, std::span<const std::uint32_t> draws)
{
    filter::Condition shape = type;
    shape.values.clear();
    const filter::PreparedCondition evaluator(shape, length);
    std::vector<std::int64_t> values;
    values.reserve(draws.size());
    std::uint8_t digits[8] = {};
    for (std::uint32_t code : draws) {
        for (int i = length - 1; i >= 0; --i, code /= 10)
            digits[i] = static_cast<std::uint8_t>(code % 10);
        values.push_back(evaluator.ValueOf(digits, nullptr));
    }
    return values;
}

PatternResult SearchPattern(const filter::Condition& type, int length, std::span<const std::int64_t> values,
                            std::span<const std::int64_t> pattern, std::size_t last)
{
    PatternResult result;
    result.window = WindowSize(last, values.size());
    const std::size_t k = pattern.size();
    const std::size_t start = values.size() - result.window;

    // The space's values once: every one is listed, zero counts included.
    filter::Condition shape = type;
    shape.values.clear();
    const filter::PreparedCondition evaluator(shape, length);
    std::map<std::int64_t, std::int64_t> space;
    std::int64_t spaceSize = 0;
    ForEachNumber(length, [&](std::uint32_t, const std::uint8_t* d) {
        ++space[evaluator.ValueOf(d, nullptr)];
        ++spaceSize;
    });
    std::map<std::int64_t, std::int64_t> counts;

    // The pattern's first draw at s, the next draw at s + k: both in the window.
    if (k >= 1 && k <= kMaxPatternLength && result.window > k) {
        for (std::size_t s = start; s + k < values.size(); ++s) {
            if (std::equal(pattern.begin(), pattern.end(), values.begin() + static_cast<std::ptrdiff_t>(s))) {
                result.places.push_back(s + k);
                ++counts[values[s + k]];
            }
        }
    }
    const auto placeCount = static_cast<std::int64_t>(result.places.size());
    for (const auto& [value, inSpace] : space) {
        PatternNext next;
        next.value = value;
        const auto it = counts.find(value);
        next.count = it == counts.end() ? 0 : it->second;
        next.share = placeCount == 0 ? Figure{0, 1} : Figure{next.count, placeCount};
        next.probability = Figure{inSpace, spaceSize};
        result.summary.push_back(next);
    }
    return result;
}

std::vector<std::int64_t> NewestPattern(std::span<const std::int64_t> values, std::size_t k)
{
    if (k > values.size())
        return {};
    return {values.end() - static_cast<std::ptrdiff_t>(k), values.end()};
}

} // namespace vesk::analysis
