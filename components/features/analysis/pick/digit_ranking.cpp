#include "components/features/analysis/pick/digit_ranking.h"

#include <algorithm>
#include <cstdlib>

namespace vesk::analysis {

DigitRanking RankDigits(std::span<const std::uint32_t> draws, int length, std::size_t end, std::size_t window)
{
    DigitRanking ranking;
    end = std::min(end, draws.size());
    const std::size_t used = std::min(window, end);
    ranking.drawsUsed = used;
    // Age of the latest appearance: 0 for the newest of the used draws; an
    // absent digit is older than any present one.
    std::array<std::size_t, kDigitCount> age;
    age.fill(used);
    for (std::size_t back = 0; back < used; ++back) {
        std::uint32_t code = draws[end - 1 - back];
        for (int i = 0; i < length; ++i) {
            const int digit = static_cast<int>(code % 10);
            code /= 10;
            ++ranking.counts[static_cast<std::size_t>(digit)];
            age[static_cast<std::size_t>(digit)] = std::min(age[static_cast<std::size_t>(digit)], back);
        }
    }
    ranking.order = OrderDigits(ranking.counts, age);
    return ranking;
}

std::array<int, kDigitCount> OrderDigits(const std::array<std::int64_t, kDigitCount>& counts,
                                         const std::array<std::size_t, kDigitCount>& age)
{
    std::array<int, kDigitCount> order{};
    for (int d = 0; d < kDigitCount; ++d)
        order[static_cast<std::size_t>(d)] = d;
    std::sort(order.begin(), order.end(), [&](int x, int y) {
        const auto ux = static_cast<std::size_t>(x), uy = static_cast<std::size_t>(y);
        if (counts[ux] != counts[uy])
            return counts[ux] > counts[uy];
        if (age[ux] != age[uy])
            return age[ux] < age[uy];
        return x < y;
    });
    return order;
}

std::array<int, kDigitCount> RankOfDigits(const DigitRanking& ranking)
{
    std::array<int, kDigitCount> rank{};
    for (int r = 0; r < kDigitCount; ++r)
        rank[static_cast<std::size_t>(ranking.order[static_cast<std::size_t>(r)])] = r;
    return rank;
}

HeatClass HeatOfRank(int rank)
{
    return rank < 3 ? HeatClass::Hot : rank < 7 ? HeatClass::Warm : HeatClass::Cold;
}

int PyramidLayerOfRank(int rank)
{
    return rank < 1 ? 1 : rank < 3 ? 2 : rank < 6 ? 3 : 4;
}

std::uint16_t MagicDigits(int a, int b, int c, std::uint8_t formulas)
{
    const int results[kMagicFormulaCount] = {
        (a + b) % 10, (b + c) % 10, (a + c) % 10, (a + b + c) % 10,
        std::abs(a - b), std::abs(b - c), std::abs(a - c),
    };
    std::uint16_t mask = 0;
    for (int f = 0; f < kMagicFormulaCount; ++f) {
        if (formulas & (1u << f))
            mask = static_cast<std::uint16_t>(mask | (1u << results[f]));
    }
    return mask;
}

} // namespace vesk::analysis
