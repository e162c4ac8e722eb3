#include "components/features/analysis/query/falls.h"

#include "components/features/analysis/omission_table.h"

namespace vesk::analysis {

namespace {

int DigitAt(std::uint32_t code, int position, int length)
{
    for (int i = length - 1; i > position; --i)
        code /= 10;
    return static_cast<int>(code % 10);
}

} // namespace

std::vector<PositionFalls> ComputeFalls(std::span<const std::uint32_t> draws, int length, std::size_t last)
{
    const std::size_t h = draws.size();
    const std::size_t n = WindowSize(last, h);
    // Draw 0 has no draw before it, so scoring starts at 1 at the earliest.
    const std::size_t first = h - n == 0 ? 1 : h - n;
    std::vector<PositionFalls> result(static_cast<std::size_t>(length));
    for (int p = 0; p < length; ++p) {
        PositionFalls& falls = result[static_cast<std::size_t>(p)];
        for (std::size_t i = first; i < h; ++i) {
            const FallKind kind = FallOf(DigitAt(draws[i - 1], p, length), DigitAt(draws[i], p, length));
            ++falls.kinds[static_cast<std::size_t>(kind)].count;
            ++falls.scored;
        }
        if (h >= 2) {
            const FallKind newest = FallOf(DigitAt(draws[h - 2], p, length), DigitAt(draws[h - 1], p, length));
            std::int64_t run = 0;
            for (std::size_t i = h - 1; i >= 1 && FallOf(DigitAt(draws[i - 1], p, length), DigitAt(draws[i], p, length)) == newest; --i)
                ++run;
            falls.kinds[static_cast<std::size_t>(newest)].currentRun = run;
        }
        const std::array<Figure, kFallKinds> baselines = {Figure{10, 100}, Figure{18, 100}, Figure{72, 100}};
        for (std::size_t k = 0; k < kFallKinds; ++k) {
            FallRow& row = falls.kinds[k];
            row.share = falls.scored == 0 ? Figure{0, 1} : Figure{row.count, falls.scored};
            row.baseline = baselines[k];
        }
    }
    return result;
}

} // namespace vesk::analysis
