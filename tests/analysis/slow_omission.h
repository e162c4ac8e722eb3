#pragma once
// A slow evaluator of the omission statistics, written from their
// definitions without the core's code: whole-history hit vectors, miss runs
// listed one by one, probabilities by testing every number of the space.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vesk::test {

using Predicate = std::function<bool(const std::vector<int>& digits)>;

// The digits of code, most significant first.
std::vector<int> DigitsOfCode(std::uint32_t code, int length);

// The predicate the label of a vesk-cli family names, derived from the label
// alone: family "sum", "span", "odd-count", "road-pattern", "distinct-count",
// single-1, single-2, single-3, group-1, group-2, group-3 or cover-N.
Predicate PredicateOfLabel(const std::string& family, const std::string& label, int length);

struct SlowRow {
    long long current = 0, previous = 0, maximum = 0, hits = 0, maxRun = 0;
    long long spaceCount = 0, spaceSize = 0;
    std::string average, expected, ratio, rate; // rounded half up from exact fractions
};

SlowRow SlowOmission(const Predicate& holds, const std::vector<std::uint32_t>& draws, std::size_t last, int length);

// Rounds num/den half up to decimals places, by long division on text.
std::string RoundHalfUp(long long num, long long den, int decimals);

// The sample history (data/draws-3d.txt of the source folder).
std::vector<std::uint32_t> SampleDraws();

} // namespace vesk::test
