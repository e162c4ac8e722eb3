#include "components/features/analysis/family_builders.h"

#include "components/features/analysis/value_labels.h"

#include "components/filter/engine/condition_value.h"
#include "components/filter/engine/digits.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <map>
#include <unordered_map>

namespace vesk::analysis {

namespace {

std::uint64_t PowerOf10(int n)
{
    std::uint64_t p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

} // namespace

std::string DigitsText(std::uint32_t code, int length)
{
    std::string text(static_cast<std::size_t>(length), '0');
    for (int i = length - 1; i >= 0; --i, code /= 10)
        text[static_cast<std::size_t>(i)] = static_cast<char>('0' + code % 10);
    return text;
}

namespace {

std::string MaskText(unsigned mask)
{
    std::string text;
    for (int x = 0; x < 10; ++x) {
        if (mask >> x & 1)
            text += static_cast<char>('0' + x);
    }
    return text;
}

class Single2Finder final : public HitFinder {
public:
    explicit Single2Finder(int length)
    {
        for (int p = 0; p < length; ++p)
            for (int q = p + 1; q < length; ++q)
                m_pairs.push_back({p, q});
    }
    void Find(const std::uint8_t* d, std::uint32_t, std::vector<std::uint32_t>& hits) const override
    {
        for (std::size_t k = 0; k < m_pairs.size(); ++k)
            hits.push_back(static_cast<std::uint32_t>(k * 100 + d[m_pairs[k][0]] * 10u + d[m_pairs[k][1]]));
    }
    std::vector<std::array<int, 2>> m_pairs;
};

class Single3Finder final : public HitFinder {
public:
    void Find(const std::uint8_t*, std::uint32_t code, std::vector<std::uint32_t>& hits) const override
    {
        hits.push_back(code);
    }
};

class Group1Finder final : public HitFinder {
public:
    explicit Group1Finder(int length) : m_length(length) {}
    void Find(const std::uint8_t* d, std::uint32_t, std::vector<std::uint32_t>& hits) const override
    {
        const unsigned mask = filter::DigitMask(d, m_length);
        for (unsigned x = 0; x < 10; ++x) {
            if (mask >> x & 1)
                hits.push_back(x);
        }
    }
    int m_length;
};

// Items in the order x <= y, x major: index of {x, y}.
constexpr std::uint32_t PairIndex(unsigned x, unsigned y)
{
    return x * 10 - x * (x - 1) / 2 + (y - x);
}

class Group2Finder final : public HitFinder {
public:
    explicit Group2Finder(int length) : m_length(length) {}
    void Find(const std::uint8_t* d, std::uint32_t, std::vector<std::uint32_t>& hits) const override
    {
        int counts[10] = {};
        for (int i = 0; i < m_length; ++i)
            ++counts[d[i]];
        for (unsigned x = 0; x < 10; ++x) {
            if (counts[x] == 0)
                continue;
            if (counts[x] >= 2)
                hits.push_back(PairIndex(x, x));
            for (unsigned y = x + 1; y < 10; ++y) {
                if (counts[y] > 0)
                    hits.push_back(PairIndex(x, y));
            }
        }
    }
    int m_length;
};

class Group3Finder final : public HitFinder {
public:
    Group3Finder(std::unordered_map<std::uint32_t, std::uint32_t> index, int length)
        : m_index(std::move(index))
        , m_length(length)
    {
    }
    void Find(const std::uint8_t* d, std::uint32_t, std::vector<std::uint32_t>& hits) const override
    {
        const auto it = m_index.find(filter::GroupCodeOf(d, m_length));
        if (it != m_index.end())
            hits.push_back(it->second);
    }
    std::unordered_map<std::uint32_t, std::uint32_t> m_index;
    int m_length;
};

class CoverFinder final : public HitFinder {
public:
    CoverFinder(std::vector<std::uint16_t> sets, int length)
        : m_sets(std::move(sets))
        , m_length(length)
    {
    }
    void Find(const std::uint8_t* d, std::uint32_t, std::vector<std::uint32_t>& hits) const override
    {
        const std::uint16_t mask = filter::DigitMask(d, m_length);
        for (std::size_t i = 0; i < m_sets.size(); ++i) {
            if ((mask & ~m_sets[i]) == 0)
                hits.push_back(static_cast<std::uint32_t>(i));
        }
    }
    std::vector<std::uint16_t> m_sets;
    int m_length;
};

constexpr const char* kPositionNames[] = {"个位", "十位", "百位", "千位", "万位", "十万位", "百万位", "千万位"};
constexpr const char* kPositionShort[] = {"个", "十", "百", "千", "万", "十万", "百万", "千万"};

std::string PositionShort(int p, int length)
{
    return kPositionShort[std::clamp(length - 1 - p, 0, 7)];
}

} // namespace

std::string PositionName(int position, int length)
{
    return kPositionNames[std::clamp(length - 1 - position, 0, 7)];
}

bool IsFamilyType(filter::ConditionType type)
{
    const filter::TypeInfo& info = filter::InfoOf(type);
    return info.field == filter::TypeField::None && !info.needsHistory;
}

std::string ValueText(filter::ConditionType type, std::int64_t value, int length)
{
    filter::Condition condition;
    condition.type = type;
    return ValueLabels(condition, length).Text(value);
}

std::unique_ptr<Family> MakeTypeFamily(filter::ConditionType type, int length)
{
    filter::Condition shape;
    shape.type = type;
    const filter::PreparedCondition evaluator(shape, length);
    std::map<std::int64_t, bool> values;
    ForEachNumber(length, [&](std::uint32_t, const std::uint8_t* d) { values[evaluator.ValueOf(d, nullptr)] = true; });
    const std::string name(filter::InfoOf(type).name);
    // Titles as the condition window writes the values (奇偶奇, 2:1); the
    // plain label stays the value, as vesk-cli prints it.
    const ValueLabels labels(shape, length);
    std::vector<ValueItem> items;
    for (const auto& [value, unused] : values) {
        ValueItem item;
        item.item.label = std::to_string(value);
        item.item.title = name + labels.Text(value);
        item.condition = shape;
        item.condition.values = {value};
        items.push_back(std::move(item));
    }
    return MakeValueFamily(name, length, std::move(items));
}

std::unique_ptr<Family> MakeSingle1(int length)
{
    std::vector<ValueItem> items;
    for (int p = 0; p < length; ++p) {
        for (int d = 0; d < 10; ++d) {
            ValueItem item;
            item.item.label = std::to_string(p) + ":" + std::to_string(d);
            item.item.title = PositionName(p, length) + std::to_string(d);
            item.condition.type = filter::ConditionType::Position;
            item.condition.position = p;
            item.condition.values = {d};
            items.push_back(std::move(item));
        }
    }
    return MakeValueFamily("单选单码", length, std::move(items));
}

std::unique_ptr<Family> MakeSingle2(int length)
{
    auto finder = std::make_unique<Single2Finder>(length);
    std::vector<Item> items;
    for (const auto& [p, q] : finder->m_pairs) {
        for (int xy = 0; xy < 100; ++xy) {
            const std::string digits = DigitsText(static_cast<std::uint32_t>(xy), 2);
            items.push_back({std::to_string(p) + "," + std::to_string(q) + ":" + digits,
                             PositionShort(p, length) + PositionShort(q, length) + digits});
        }
    }
    return std::make_unique<Family>("单选两码", length, std::move(items), std::move(finder));
}

std::unique_ptr<Family> MakeSingle3(int length)
{
    const std::uint64_t size = PowerOf10(length);
    if (size > kMaxFamilyItems)
        return nullptr;
    std::vector<Item> items;
    items.reserve(size);
    for (std::uint32_t code = 0; code < size; ++code) {
        std::string digits = DigitsText(code, length);
        items.push_back({digits, digits});
    }
    return std::make_unique<Family>("单选三码", length, std::move(items), std::make_unique<Single3Finder>());
}

std::unique_ptr<Family> MakeGroup1(int length)
{
    std::vector<Item> items;
    for (int d = 0; d < 10; ++d)
        items.push_back({std::to_string(d), "含" + std::to_string(d)});
    return std::make_unique<Family>("组选单码", length, std::move(items), std::make_unique<Group1Finder>(length));
}

std::unique_ptr<Family> MakeGroup2(int length)
{
    std::vector<Item> items;
    for (unsigned x = 0; x < 10; ++x) {
        for (unsigned y = x; y < 10; ++y) {
            const std::string digits = {static_cast<char>('0' + x), static_cast<char>('0' + y)};
            items.push_back({digits, "含" + digits});
        }
    }
    return std::make_unique<Family>("组选两码", length, std::move(items), std::make_unique<Group2Finder>(length));
}

std::unique_ptr<Family> MakeGroup3(int length)
{
    std::vector<std::uint32_t> groups;
    ForEachNumber(length, [&](std::uint32_t code, const std::uint8_t* d) {
        if (filter::GroupCodeOf(d, length) == code)
            groups.push_back(code);
    });
    if (groups.size() > kMaxFamilyItems)
        return nullptr;
    std::unordered_map<std::uint32_t, std::uint32_t> index;
    std::vector<Item> items;
    for (std::uint32_t code : groups) {
        index.emplace(code, static_cast<std::uint32_t>(items.size()));
        std::string digits = DigitsText(code, length);
        items.push_back({digits, "组" + digits});
    }
    return std::make_unique<Family>("组选三码", length, std::move(items),
                                    std::make_unique<Group3Finder>(std::move(index), length));
}

std::unique_ptr<Family> MakeCover(int n, int length)
{
    if (n < 1 || n > 10)
        return nullptr;
    // Subsets in the order of their digit strings: 012, 013, ... 789.
    std::vector<std::uint16_t> sets;
    for (unsigned mask = 0; mask < 1024; ++mask) {
        if (std::popcount(mask) == n)
            sets.push_back(static_cast<std::uint16_t>(mask));
    }
    std::sort(sets.begin(), sets.end(), [](unsigned a, unsigned b) { return MaskText(a) < MaskText(b); });
    std::vector<Item> items;
    for (unsigned mask : sets)
        items.push_back({MaskText(mask), MaskText(mask)});
    return std::make_unique<Family>(std::to_string(n) + "码遗漏", length, std::move(items),
                                    std::make_unique<CoverFinder>(std::move(sets), length));
}

FamilyResult FamilyOfId(std::string_view id, int length)
{
    FamilyResult result;
    if (id == "single-1")
        result.family = MakeSingle1(length);
    else if (id == "single-2")
        result.family = MakeSingle2(length);
    else if (id == "single-3")
        result.family = MakeSingle3(length);
    else if (id == "group-1")
        result.family = MakeGroup1(length);
    else if (id == "group-2")
        result.family = MakeGroup2(length);
    else if (id == "group-3")
        result.family = MakeGroup3(length);
    else if (id.starts_with("cover-")) {
        int n = 0;
        const std::string_view digits = id.substr(6);
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
        if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() || n < 1 || n > 9) {
            result.error = "cover-N needs N from 1 to 9, not '" + std::string(digits) + "'";
            return result;
        }
        result.family = MakeCover(n, length);
    } else if (const std::optional<filter::ConditionType> type = filter::TypeOfId(id)) {
        if (!IsFamilyType(*type)) {
            // Appended piece by piece: GCC 12 warns falsely on the chained form.
            result.error = "'";
            result.error += id;
            result.error += "' needs ";
            result.error += filter::InfoOf(*type).needsHistory ? "a draw history" : "fields";
            result.error += "; a family is a value type without either";
            return result;
        }
        result.family = MakeTypeFamily(*type, length);
    } else {
        result.error = "unknown family '" + std::string(id) + "'";
        return result;
    }
    if (!result.family)
        result.error = "family '" + std::string(id) + "' has too many items for " + std::to_string(length) + " digits";
    return result;
}

std::optional<int> CoverOfLeaf(std::uint32_t code)
{
    // The tree numbers the N码遗漏 leaves so that code - 0xFFF is N.
    if (code >= 0x1002 && code <= 0x1008)
        return static_cast<int>(code - 0xFFF);
    return std::nullopt;
}

std::unique_ptr<Family> FamilyOfLeaf(std::uint32_t code, int length)
{
    switch (code) {
    case 0x1030: return MakeSingle1(length);
    case 0x1031: return MakeSingle2(length);
    case 0x1032: return MakeSingle3(length);
    case 0x1033: return MakeGroup1(length);
    case 0x1034: return MakeGroup2(length);
    case 0x1035: return MakeGroup3(length);
    default: break;
    }
    if (const std::optional<int> n = CoverOfLeaf(code))
        return MakeCover(*n, length);
    return nullptr;
}

} // namespace vesk::analysis
