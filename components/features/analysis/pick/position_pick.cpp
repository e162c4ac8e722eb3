#include "components/features/analysis/pick/position_pick.h"

#include "components/features/analysis/family_builders.h"
#include "components/features/analysis/omission_table.h"

namespace vesk::analysis {

std::vector<std::array<PositionDigitFigures, 10>> PositionFigures(std::span<const std::uint32_t> draws, int length,
                                                                  std::size_t window)
{
    std::vector<std::array<PositionDigitFigures, 10>> figures(static_cast<std::size_t>(length));
    // Items of the single-digit family are position * 10 + digit.
    const std::unique_ptr<Family> family = MakeSingle1(length);
    const OmissionTable table = ComputeOmissions(*family, draws, window);
    for (const OmissionRow& row : table.rows) {
        PositionDigitFigures& f = figures[row.item / 10][row.item % 10];
        f.current = row.current;
        f.count = row.hits;
    }
    return figures;
}

ProductBackTest BackTestProduct(const PositionDigits& digits, std::span<const std::uint32_t> draws, std::size_t last)
{
    ProductBackTest test;
    test.scored = WindowSize(last, draws.size());
    for (std::size_t i = draws.size() - test.scored; i < draws.size(); ++i) {
        if (InProduct(digits, draws[i]))
            ++test.hits;
    }
    std::int64_t space = 1;
    for (std::size_t i = 0; i < digits.size(); ++i)
        space *= 10;
    test.rate = test.scored == 0 ? Figure{0, 1} : Figure{test.hits, static_cast<std::int64_t>(test.scored)};
    test.baseline = Figure{static_cast<std::int64_t>(ProductCount(digits)), space};
    return test;
}

ProductBackTest HeldOutProduct(const PositionDigits& digits, std::span<const std::uint32_t> draws, std::size_t last)
{
    const std::size_t window = WindowSize(last, draws.size());
    return BackTestProduct(digits, draws.first(draws.size() - window), window);
}

} // namespace vesk::analysis
