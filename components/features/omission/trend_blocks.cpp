#include "components/features/omission/trend_blocks.h"

#include "components/features/analysis/family_builders.h"

#include <map>

namespace vesk::omission {

namespace {

using filter::ConditionType;

// "百" of "百位": a place as two-place names write it.
std::string PlaceShort(int position, int length)
{
    const std::string name = analysis::PositionName(position, length);
    const std::string suffix = "位";
    return name.ends_with(suffix) ? name.substr(0, name.size() - suffix.size()) : name;
}

// The place an item's condition names, for a block's title: "百位", "百十";
// empty when it names none.
std::string PlaceOf(const analysis::Item& item, int length)
{
    if (!item.condition)
        return {};
    const filter::Condition& c = *item.condition;
    switch (c.type) {
    case ConditionType::Position: return analysis::PositionName(c.position, length);
    case ConditionType::PairSum:
    case ConditionType::PairSumTail:
    case ConditionType::PairDiff: return PlaceShort(c.pair[0], length) + PlaceShort(c.pair[1], length);
    default: return {};
    }
}

// What sets an item's block apart: its position or pair, else nothing.
std::string BlockKey(const analysis::Item& item)
{
    if (item.condition) {
        const filter::Condition& c = *item.condition;
        switch (c.type) {
        case ConditionType::Position: return std::string("p").append(std::to_string(c.position));
        case ConditionType::PairSum:
        case ConditionType::PairSumTail:
        case ConditionType::PairDiff:
            return std::string("q").append(std::to_string(c.pair[0])).append(std::to_string(c.pair[1]));
        default: return {};
        }
    }
    // 单选两码's labels name the pair: "0,2:57".
    const std::size_t colon = item.label.find(':');
    return colon != std::string::npos && item.label.find(',') < colon ? item.label.substr(0, colon) : std::string();
}

// The bytes the texts share at their start, cut back to a whole UTF-8
// character and never ending in a digit (和值10 … 和值19 share "和值", not "和值1").
std::size_t SharedPrefix(const std::vector<const std::string*>& texts)
{
    if (texts.size() < 2)
        return 0;
    std::size_t n = texts.front()->size();
    for (const std::string* text : texts) {
        std::size_t i = 0;
        while (i < n && i < text->size() && (*text)[i] == (*texts.front())[i])
            ++i;
        n = i;
    }
    const std::string& first = *texts.front();
    while (n > 0 && n < first.size() && (static_cast<unsigned char>(first[n]) & 0xC0) == 0x80)
        --n;
    while (n > 0 && first[n - 1] >= '0' && first[n - 1] <= '9')
        --n;
    return n;
}

} // namespace

TrendBlocks MakeTrendBlocks(const analysis::Family& family, const analysis::OmissionTable& table,
                            const std::vector<std::size_t>& columns)
{
    const auto& items = family.Items();
    // Every item of the family by block, charted or not: labels and links
    // are the block's, not the chart's choice of columns.
    std::vector<std::string> keyOf(items.size());
    std::map<std::string, std::vector<std::size_t>> members;
    for (std::size_t i = 0; i < items.size(); ++i) {
        keyOf[i] = BlockKey(items[i]);
        members[keyOf[i]].push_back(i);
    }
    std::map<std::string, std::size_t> prefix;
    for (const auto& [key, list] : members) {
        std::vector<const std::string*> titles;
        for (std::size_t i : list)
            titles.push_back(&items[i].title);
        prefix[key] = SharedPrefix(titles);
    }

    // A block partitions the space when every number satisfies exactly one
    // of its items.
    std::map<std::string, bool> partition;
    for (const auto& [key, list] : members)
        partition[key] = true;
    std::map<std::string, int> count;
    std::vector<std::uint32_t> hits;
    analysis::ForEachNumber(family.Length(), [&](std::uint32_t code, const std::uint8_t* digits) {
        hits.clear();
        family.Finder().Find(digits, code, hits);
        for (auto& [key, n] : count)
            n = 0;
        for (std::uint32_t k : hits)
            ++count[keyOf[k]];
        for (auto& [key, whole] : partition)
            if (whole && count[key] != 1)
                whole = false;
    });

    TrendBlocks result;
    std::map<std::string, std::size_t> charted;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const std::size_t item = table.rows[columns[c]].item;
        const std::string& key = keyOf[item];
        ++charted[key];
        if (result.blocks.empty() || keyOf[table.rows[columns[c - 1]].item] != key) {
            TrendBlock block;
            block.firstColumn = c;
            const std::vector<std::size_t>& list = members[key];
            const std::string shared = list.size() > 1 ? items[list.front()].title.substr(0, prefix[key]) : std::string();
            const std::string place = PlaceOf(items[list.front()], family.Length());
            // The place said once: "百位", "两码和 百十"; else what the items share.
            if (!place.empty())
                block.title = shared.find(place) != std::string::npos ? shared
                              : shared.empty() || members.size() == 1 ? place : shared + " " + place;
            else
                block.title = members.size() == 1 || shared.empty() ? family.Name() : shared;
            result.blocks.push_back(block);
        }
        result.blocks.back().endColumn = c + 1;
        result.blockOf.push_back(result.blocks.size() - 1);
        const std::string& title = items[item].title;
        const std::size_t cut = prefix[key] < title.size() ? prefix[key] : 0;
        result.labels.push_back(title.substr(cut));
    }
    // Linked: the block's items partition the space, all of them are charted
    // (as one run of columns) and each has a column, so no draw misses a ball.
    for (TrendBlock& block : result.blocks) {
        const std::string& key = keyOf[table.rows[columns[block.firstColumn]].item];
        std::size_t listed = 0;
        for (std::size_t i : members[key])
            listed += family.Listed(i) ? 1 : 0;
        block.linked = partition[key] && charted[key] == block.endColumn - block.firstColumn &&
                       block.endColumn - block.firstColumn == listed && listed == members[key].size();
    }
    return result;
}

int BallColumn(const std::vector<std::int32_t>& cells, std::size_t columns, std::size_t draw, const TrendBlock& block)
{
    for (std::size_t c = block.firstColumn; c < block.endColumn; ++c)
        if (cells[draw * columns + c] < 0)
            return static_cast<int>(c);
    return -1;
}

} // namespace vesk::omission
