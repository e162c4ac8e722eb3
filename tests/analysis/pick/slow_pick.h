#pragma once
// A slow evaluator of the smart-pick methods written from their definitions
// without the core's code: each classifier gets only the draws before the
// place it classifies, as a copy, so it cannot look ahead.

#include <cstdint>
#include <string>
#include <vector>

namespace vesk::test {

struct SlowPickParameters {
    std::string method; // the vesk-cli names
    std::size_t window = 0;
    int top = 0;
    unsigned formulas = 0x7f;
};

// The class index of each digit for the draw after the draws in before
// (oldest first, 3 digits); empty when the method needs more draws.
std::vector<int> SlowClasses(const SlowPickParameters& p, const std::vector<std::uint32_t>& before);

// The pattern label of a 3-digit code under classes.
std::string SlowLabel(const std::string& method, const std::vector<int>& classes, std::uint32_t code);

} // namespace vesk::test
