#include "components/features/analysis/query/number_lookup.h"

#include "components/features/analysis/omission_table.h"

#include "components/filter/engine/digits.h"

#include <algorithm>

namespace vesk::analysis {

namespace {

// Figures of one predicate's hits, in one pass from the oldest draw.
template <typename Hits>
LookupFigures Figures(std::size_t h, std::size_t n, Hits&& hits)
{
    LookupFigures figures;
    const std::size_t start = h - n;
    std::int64_t run = 0; // the miss run so far
    for (std::size_t i = 0; i < h; ++i) {
        if (!hits(i)) {
            ++run;
            continue;
        }
        // A run that ended here reaches the window when its last draw does.
        if (run > 0 && i >= start + 1)
            figures.maximum = std::max(figures.maximum, run);
        run = 0;
        figures.lastDraw = i;
        if (i >= start) {
            ++figures.hits;
            figures.draws.push_back(i);
        }
    }
    if (run > 0 && n > 0)
        figures.maximum = std::max(figures.maximum, run);
    figures.current = run;
    return figures;
}

} // namespace

NumberLookup LookUpNumber(std::uint32_t number, int length, std::span<const std::uint32_t> draws, std::size_t last)
{
    const filter::Digits digits = filter::DigitsOf(number, length);
    const std::uint32_t group = filter::GroupCodeOf(digits.data(), length);
    const std::size_t h = draws.size();
    const std::size_t n = WindowSize(last, h);
    NumberLookup lookup;
    lookup.straight = Figures(h, n, [&](std::size_t i) { return draws[i] == number; });
    lookup.group = Figures(h, n, [&](std::size_t i) {
        return filter::GroupCodeOf(filter::DigitsOf(draws[i], length).data(), length) == group;
    });
    return lookup;
}

} // namespace vesk::analysis
