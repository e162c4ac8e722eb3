#pragma once
// The patterns of a smart-pick method: how many digits of a number (by
// position, so 112 has three) fall in each class. Labels are the counts in
// class order ("210": two 传, one 邻, no 孤), for 金字塔 the layers as a
// sorted multiset ("124"), for 跟随 and 魔数 the count of the first class
// ("2"). Patterns are listed by label.

#include "components/features/analysis/pick/pick_classes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk::analysis {

using ClassCounts = std::array<std::uint8_t, 4>;

class PatternSpace {
public:
    // Every pattern of a method with classes (not the positional pick) for
    // numbers of length digits (1..8).
    PatternSpace(PickMethod method, int length);

    std::size_t Size() const { return m_patterns.size(); }
    const std::string& Label(std::size_t pattern) const { return m_labels[pattern]; }
    const ClassCounts& Counts(std::size_t pattern) const { return m_patterns[pattern]; }
    std::optional<std::size_t> IndexOfLabel(std::string_view label) const;

    // The pattern of the number code under classes.
    std::size_t PatternOf(const DigitClasses& classes, std::uint32_t code) const;
    // Numbers of the space whose pattern is pattern under classes.
    std::uint64_t SpaceCount(std::size_t pattern, const DigitClasses& classes) const;
    std::uint64_t SpaceSize() const { return m_spaceSize; }
    int Length() const { return m_length; }

private:
    static std::size_t KeyOf(const ClassCounts& counts);

    int m_length;
    int m_classCount;
    std::uint64_t m_spaceSize = 1;
    std::vector<ClassCounts> m_patterns;
    std::vector<std::string> m_labels;
    std::vector<std::int32_t> m_indexOfKey; // by KeyOf; -1 for no pattern
    std::array<std::uint64_t, 9> m_factorial{};
};

} // namespace vesk::analysis
