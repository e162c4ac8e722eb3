#include "components/filter/engine/binomial.h"

#include <algorithm>
#include <cmath>

namespace vesk::filter {

namespace {

double LogChoose(double n, double k)
{
    return std::lgamma(n + 1) - std::lgamma(k + 1) - std::lgamma(n - k + 1);
}

// The terms from k away from the mean shrink one after another, so the sum
// is taken relative to the first and never overflows or loses the tail.
// step +1 sums k..n, -1 sums k..0.
double TailFrom(std::uint64_t k, std::uint64_t n, double p, int step)
{
    const double nd = static_cast<double>(n);
    const double logFirst = LogChoose(nd, static_cast<double>(k)) + static_cast<double>(k) * std::log(p) +
                            static_cast<double>(n - k) * std::log1p(-p);
    const double odds = p / (1 - p);
    double term = 1;
    double sum = 1;
    for (std::uint64_t i = k;;) {
        if (step > 0) {
            if (i == n)
                break;
            term *= static_cast<double>(n - i) / static_cast<double>(i + 1) * odds;
            ++i;
        } else {
            if (i == 0)
                break;
            term *= static_cast<double>(i) / static_cast<double>(n - i + 1) / odds;
            --i;
        }
        sum += term;
        if (term < sum * 1e-17)
            break;
    }
    return std::clamp(std::exp(logFirst + std::log(sum)), 0.0, 1.0);
}

} // namespace

double BinomialAtLeast(std::uint64_t k, std::uint64_t n, double p)
{
    if (k == 0)
        return 1;
    if (k > n || p <= 0)
        return 0;
    if (p >= 1)
        return 1;
    if (static_cast<double>(k) >= static_cast<double>(n) * p)
        return TailFrom(k, n, p, +1);
    return std::clamp(1 - BinomialAtMost(k - 1, n, p), 0.0, 1.0);
}

double BinomialAtMost(std::uint64_t k, std::uint64_t n, double p)
{
    if (k >= n || p <= 0)
        return 1;
    if (p >= 1)
        return 0;
    if (static_cast<double>(k) <= static_cast<double>(n) * p)
        return TailFrom(k, n, p, -1);
    return std::clamp(1 - BinomialAtLeast(k + 1, n, p), 0.0, 1.0);
}

std::string PValueText(double p)
{
    if (p < 0.00005)
        return "<0.0001";
    const auto scaled = static_cast<long long>(std::floor(std::min(p, 1.0) * 10000 + 0.5));
    std::string fraction = std::to_string(scaled % 10000);
    return std::to_string(scaled / 10000) + "." + std::string(4 - fraction.size(), '0') + fraction;
}

} // namespace vesk::filter
