#pragma once
// 号码查询 for many numbers at once: the draws of the history indexed by
// number and by group (digits sorted) once, so that each number's figures
// cost only its own hits. The figures are LookUpNumber's.

#include "components/features/analysis/query/number_lookup.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

namespace vesk::analysis {

class LookupIndex {
public:
    // draws: oldest first, below 10^length (length 1..8; larger codes are a
    // caller's fault and never match).
    LookupIndex(std::span<const std::uint32_t> draws, int length);

    std::size_t HistorySize() const { return m_size; }
    // number below 10^length; last: N, 0 for every draw.
    NumberLookup LookUp(std::uint32_t number, std::size_t last) const;

private:
    int m_length;
    std::size_t m_size;
    std::unordered_map<std::uint32_t, std::vector<std::size_t>> m_byNumber; // draw indices, ascending
    std::unordered_map<std::uint32_t, std::vector<std::size_t>> m_byGroup;
};

} // namespace vesk::analysis
