#pragma once
// 单选定位: each digit of each position with its 当前遗漏 (draws since it
// last stood there, the history's length when never) and its count in the
// last W draws, the same figures as the omission lists' single digits; and
// the back-test of a product of picked digits over the history window.

#include "components/features/analysis/figure.h"
#include "components/features/analysis/pick/pick_numbers.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vesk::analysis {

struct PositionDigitFigures {
    std::int64_t current = 0;
    std::int64_t count = 0;
};

// One entry per position, most significant first; draws below 10^length.
std::vector<std::array<PositionDigitFigures, 10>> PositionFigures(std::span<const std::uint32_t> draws, int length,
                                                                  std::size_t window);

struct ProductBackTest {
    std::int64_t hits = 0;   // draws of the window inside the product
    std::size_t scored = 0;  // n
    Figure rate;
    Figure baseline;         // the product's share of the space
};

// The window's last n = min(N, H) draws (last 0: every draw).
ProductBackTest BackTestProduct(const PositionDigits& digits, std::span<const std::uint32_t> draws, std::size_t last);

// The same product on the n = min(N, H) draws just before the window's,
// which a product picked by looking at the window never saw; nothing is
// scored when the window holds every draw.
ProductBackTest HeldOutProduct(const PositionDigits& digits, std::span<const std::uint32_t> draws, std::size_t last);

} // namespace vesk::analysis
