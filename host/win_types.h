#pragma once
// Scalar types shared by every interface that is called by slot. The original
// contracts passed 32-bit integers; here they are pointer-sized so that
// pointers and window handles travel through the same arguments.

#include <cstdint>

namespace vesk {

using SlotInt = std::intptr_t;      // argument or result of a slot call
using WindowHandle = std::intptr_t; // opaque window handle; 0 = none
using ColorRef = std::uint32_t;     // 0x00BBGGRR

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

} // namespace vesk
