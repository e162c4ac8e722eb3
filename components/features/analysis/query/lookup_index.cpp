#include "components/features/analysis/query/lookup_index.h"

#include "components/features/analysis/omission_table.h"

#include "components/filter/engine/digits.h"

#include <algorithm>

namespace vesk::analysis {

namespace {

const std::vector<std::size_t>& HitsOf(const std::unordered_map<std::uint32_t, std::vector<std::size_t>>& index,
                                       std::uint32_t key)
{
    static const std::vector<std::size_t> none;
    const auto it = index.find(key);
    return it == index.end() ? none : it->second;
}

// The figures from the ascending hit indices of h draws, window n.
LookupFigures FiguresOf(const std::vector<std::size_t>& hits, std::size_t h, std::size_t n)
{
    LookupFigures figures;
    const std::size_t start = h - n;
    const auto firstInWindow = std::lower_bound(hits.begin(), hits.end(), start);
    figures.draws.assign(firstInWindow, hits.end());
    figures.hits = static_cast<std::int64_t>(figures.draws.size());
    if (!hits.empty())
        figures.lastDraw = hits.back();
    // Miss runs in order: before the first hit, between hits, after the
    // newest. A run counts whole when its last draw lies in the window.
    std::size_t runStart = 0;
    for (std::size_t hit : hits) {
        if (hit > runStart && hit - 1 >= start)
            figures.maximum = std::max(figures.maximum, static_cast<std::int64_t>(hit - runStart));
        runStart = hit + 1;
    }
    figures.current = static_cast<std::int64_t>(h - runStart);
    if (figures.current > 0 && n > 0)
        figures.maximum = std::max(figures.maximum, figures.current);
    return figures;
}

} // namespace

LookupIndex::LookupIndex(std::span<const std::uint32_t> draws, int length) : m_length(length), m_size(draws.size())
{
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const filter::Digits digits = filter::DigitsOf(draws[i], length);
        m_byNumber[draws[i]].push_back(i);
        m_byGroup[filter::GroupCodeOf(digits.data(), length)].push_back(i);
    }
}

NumberLookup LookupIndex::LookUp(std::uint32_t number, std::size_t last) const
{
    const filter::Digits digits = filter::DigitsOf(number, m_length);
    const std::size_t n = WindowSize(last, m_size);
    NumberLookup lookup;
    lookup.straight = FiguresOf(HitsOf(m_byNumber, number), m_size, n);
    lookup.group = FiguresOf(HitsOf(m_byGroup, filter::GroupCodeOf(digits.data(), m_length)), m_size, n);
    return lookup;
}

} // namespace vesk::analysis
