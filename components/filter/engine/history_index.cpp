#include "components/filter/engine/history_index.h"

#include "components/filter/engine/digits.h"

#include "numbers/digit_packing.h"
#include "numbers/number_length.h"

#include <algorithm>

namespace vesk::filter {

namespace {

constexpr int kLengthWithoutDraws = 3;

using Latest = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

void MarkDrawn(Latest& latest, std::uint32_t key, std::uint32_t index)
{
    const auto at = std::lower_bound(latest.begin(), latest.end(), std::pair{key, std::uint32_t{0}});
    if (at != latest.end() && at->first == key)
        at->second = index;
    else
        latest.insert(at, {key, index});
}

// Sorted by key, each key once with its largest index.
void KeepLatest(Latest& latest)
{
    std::sort(latest.begin(), latest.end());
    std::size_t kept = 0;
    for (std::size_t i = 0; i < latest.size(); ++i) {
        if (i + 1 < latest.size() && latest[i + 1].first == latest[i].first)
            continue;
        latest[kept++] = latest[i];
    }
    latest.resize(kept);
}

const std::pair<std::uint32_t, std::uint32_t>* Find(const Latest& latest, std::uint32_t key)
{
    const auto at = std::lower_bound(latest.begin(), latest.end(), std::pair{key, std::uint32_t{0}});
    return at != latest.end() && at->first == key ? &*at : nullptr;
}

} // namespace

HistoryIndex::HistoryIndex(std::span<const std::uint32_t> draws, int length)
    : m_length(IsValidNumberLength(length) ? length : kLengthWithoutDraws)
    , m_limit(PowerOfTen(m_length))
    , m_sumLast(static_cast<std::size_t>(9 * m_length + 1), -1)
{
    std::fill(std::begin(m_digitLast), std::end(m_digitLast), -1);
    if (!IsValidNumberLength(length))
        return;
    // At once rather than draw by draw: inserting every new number into the
    // sorted lists would move them over and over for a long history.
    m_codes.reserve(draws.size());
    for (std::uint32_t code : draws) {
        if (code >= m_limit)
            continue;
        const auto index = static_cast<std::uint32_t>(m_codes.size());
        m_codes.push_back(code);
        const Digits d = DigitsOf(code, m_length);
        for (int i = 0; i < m_length; ++i)
            m_digitLast[d[static_cast<std::size_t>(i)]] = index;
        m_drawn.emplace_back(code, index);
        m_drawnGroups.emplace_back(GroupCodeOf(d.data(), m_length), index);
        m_sumLast[static_cast<std::size_t>(DigitSum(d.data(), m_length))] = index;
    }
    KeepLatest(m_drawn);
    KeepLatest(m_drawnGroups);
}

void HistoryIndex::Append(std::uint32_t code)
{
    if (code >= m_limit)
        return;
    const auto index = static_cast<std::uint32_t>(m_codes.size());
    m_codes.push_back(code);
    const Digits d = DigitsOf(code, m_length);
    for (int i = 0; i < m_length; ++i)
        m_digitLast[d[static_cast<std::size_t>(i)]] = index;
    MarkDrawn(m_drawn, code, index);
    MarkDrawn(m_drawnGroups, GroupCodeOf(d.data(), m_length), index);
    m_sumLast[static_cast<std::size_t>(DigitSum(d.data(), m_length))] = index;
}

std::uint16_t HistoryIndex::RecentDigits(int window) const
{
    // A digit counts when its latest draw is one of the last window.
    const std::int64_t first = static_cast<std::int64_t>(Size()) - std::max(window, 0);
    std::uint16_t mask = 0;
    for (int x = 0; x < 10; ++x)
        if (m_digitLast[x] >= 0 && m_digitLast[x] >= first)
            mask = static_cast<std::uint16_t>(mask | (1u << x));
    return mask;
}

int HistoryIndex::Omission(std::uint32_t code) const
{
    if (code >= m_limit)
        return -1;
    const auto* found = Find(m_drawn, code);
    return found ? AgeOf(found->second) : static_cast<int>(Size());
}

int HistoryIndex::GroupOmission(std::uint32_t groupCode) const
{
    if (groupCode >= m_limit || digits::GroupValue(digits::Pack(groupCode, m_length), m_length) != groupCode)
        return -1;
    const auto* found = Find(m_drawnGroups, groupCode);
    return found ? AgeOf(found->second) : static_cast<int>(Size());
}

int HistoryIndex::SumOmission(int sum) const
{
    if (sum < 0 || static_cast<std::size_t>(sum) >= m_sumLast.size())
        return -1;
    const std::int64_t last = m_sumLast[static_cast<std::size_t>(sum)];
    return last >= 0 ? AgeOf(last) : static_cast<int>(Size());
}

} // namespace vesk::filter
