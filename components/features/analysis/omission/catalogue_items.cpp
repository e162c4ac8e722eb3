#include "components/features/analysis/omission/catalogue_items.h"

namespace vesk::analysis {

namespace {

using T = filter::ConditionType;

filter::Condition Valued(T type, std::int64_t value)
{
    filter::Condition condition;
    condition.type = type;
    condition.values = {value};
    return condition;
}

// 百 is position L - 3, 十 L - 2, 个 L - 1, 千 L - 4, 万 L - 5.
std::optional<int> NamedPosition(int fromRight, int length)
{
    const int p = length - 1 - fromRight;
    return p >= 0 ? std::optional<int>(p) : std::nullopt;
}

std::optional<filter::Condition> PairItem(T type, std::uint16_t item, int span, int gap, int length)
{
    // Groups of the pairs 百十, 百个, 十个, each `span` values from key `gap` apart.
    static constexpr int kPairs[3][2] = {{2, 1}, {2, 0}, {1, 0}};
    const int group = item / gap;
    const int value = item % gap;
    if (group > 2 || value >= span)
        return std::nullopt;
    const auto a = NamedPosition(kPairs[group][0], length);
    const auto b = NamedPosition(kPairs[group][1], length);
    if (!a || !b)
        return std::nullopt;
    filter::Condition condition = Valued(type, value);
    condition.pair = {*a, *b};
    return condition;
}

std::optional<filter::Condition> RatioItem(T type, std::uint16_t item, int length)
{
    // Keys 0-3 are the 3-digit game's a:b, 10-15 the 5-digit, 20-27 the 7-digit.
    const int groupLength = item < 10 ? 3 : item < 20 ? 5 : 7;
    const int index = item % 10;
    if (groupLength != length || item >= 30 || index > groupLength)
        return std::nullopt;
    return Valued(type, groupLength - index);
}

} // namespace

std::optional<filter::Condition> MapCatalogueItem(std::uint16_t category, std::uint16_t item, int length)
{
    switch (category) {
    case 1: return Valued(T::Sum, item);
    case 2: return item < 10 ? std::optional(Valued(T::SumTail, item)) : std::nullopt;
    case 3: return item < 10 ? std::optional(Valued(T::Span, item)) : std::nullopt;
    case 4: return RatioItem(T::OddCount, item, length);
    case 5: return RatioItem(T::BigCount, item, length);
    case 6: return RatioItem(T::PrimeCount, item, length);
    case 7: {
        if (length != 3)
            return std::nullopt;
        static constexpr int kCounts[10] = {300, 210, 201, 120, 111, 102, 30, 21, 12, 3};
        if (item < 10)
            return Valued(T::RoadCounts, kCounts[item]);
        if (item >= 100 && item <= 126) {
            const int i = item - 100;
            return Valued(T::RoadPattern, i / 9 * 100 + i / 3 % 3 * 10 + i % 3);
        }
        return std::nullopt;
    }
    case 8: {
        // The keys name the shapes as players count their orderings, not
        // distinct digits.
        if (length != 3)
            return std::nullopt;
        switch (item) {
        case 6: return Valued(T::DistinctCount, 3);
        case 3: return Valued(T::DistinctCount, 2);
        case 1: return Valued(T::DistinctCount, 1);
        default: return std::nullopt;
        }
    }
    case 9: {
        if (item < 100 || item > 149)
            return std::nullopt;
        static constexpr int kFromRight[5] = {2, 1, 0, 3, 4};
        const auto p = NamedPosition(kFromRight[(item - 100) / 10], length);
        if (!p)
            return std::nullopt;
        filter::Condition condition = Valued(T::Position, item % 10);
        condition.position = *p;
        return condition;
    }
    case 10: return PairItem(T::PairSum, item, 19, 20, length);
    case 11: return PairItem(T::PairDiff, item, 10, 10, length);
    case 12: {
        if (item >= 10 || length < 2)
            return std::nullopt;
        filter::Condition condition = Valued(T::PairSumTail, item);
        condition.pair = {0, 1};
        return condition;
    }
    default: return std::nullopt;
    }
}

CatalogueFamily MakeCatalogueFamily(std::string name, std::uint16_t category, const std::vector<CatalogueEntry>& items,
                                    int length)
{
    CatalogueFamily result;
    std::vector<ValueItem> mapped;
    for (const CatalogueEntry& entry : items) {
        std::optional<filter::Condition> condition = MapCatalogueItem(category, entry.key, length);
        if (!condition) {
            result.unmapped.push_back(entry.text);
            continue;
        }
        ValueItem item;
        item.item.label = entry.text;
        item.item.title = entry.text;
        item.condition = std::move(*condition);
        mapped.push_back(std::move(item));
        result.keys.push_back(entry.key);
    }
    result.family = MakeValueFamily(std::move(name), length, std::move(mapped));
    return result;
}

} // namespace vesk::analysis
