#pragma once
// The shared draw history as a feature window holds it.

#include <cstdint>
#include <string>
#include <vector>

namespace vesk::features {

struct HistoryDraws {
    std::vector<std::uint32_t> codes; // oldest first
    std::vector<std::string> periods; // one per draw ("" when the file gives none)
    std::string dataEnd = "没有开奖数据"; // where the data ends, for the title line
};

} // namespace vesk::features
