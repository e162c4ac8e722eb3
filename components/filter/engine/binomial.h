#pragma once
// Exact binomial tails: how likely a rate at least (or at most) this high
// is when every scored draw had the baseline's chance, so that a record is
// called better or worse than chance only when chance rarely gives it.

#include <cstdint>
#include <string>

namespace vesk::filter {

// P(X >= k) for X binomial with n trials of chance p (clamped to [0, 1]).
double BinomialAtLeast(std::uint64_t k, std::uint64_t n, double p);
// P(X <= k).
double BinomialAtMost(std::uint64_t k, std::uint64_t n, double p);

// A p-value with four decimals rounded half up; "<0.0001" below 0.00005,
// where four decimals would read as a certainty.
std::string PValueText(double p);

// The figure a verdict is drawn at: one-sided p-values below it.
inline constexpr double kChanceLevel = 0.01;

} // namespace vesk::filter
