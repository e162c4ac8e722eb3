#pragma once
// The value types 特征串查询 offers: every type that needs no draw history
// and takes no field or only a place (定位 per position, the two-digit types
// per pair of positions), each under the name the user knows. A type is
// remembered by its key.

#include "components/filter/engine/condition_set.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vesk::analysis {

struct PatternType {
    std::string name;            // "和值", "定位·百位", "两码和·百十"
    filter::Condition condition; // type and field; no values
    std::uint32_t key = 0;       // type · 256 + position or pair index
};

// In the type table's order; the places most significant first. length 1..8.
std::vector<PatternType> PatternTypes(int length);
// The type a key names; nothing for a key no type of the length has.
std::optional<PatternType> PatternTypeOfKey(std::uint32_t key, int length);

} // namespace vesk::analysis
