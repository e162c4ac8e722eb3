#pragma once
// Scalar types shared by every interface that is called by slot. The original
// contracts passed 32-bit integers; here they are pointer-sized so that
// pointers and window handles travel through the same arguments.
//
// Some arguments stay deliberately narrower than a pointer, because what they
// carry is a value whose width is part of a stored or shared format, never an
// address:
// - feature codes (OpenFeature, CloseFeature, WM_FEATURE_CLOSE) and tree item
//   data are 32 bits: the tree stores a feature code as its item's data, and
//   the sibling modules and the host compare codes as 32-bit numbers;
// - catalogue keys (GetCategory, FindCatalogueItem) are 16 bits, the width of
//   the key fields of the catalogue records (catalogue_records.h);
// - colours are COLORREF, 32 bits by definition.
// A narrow argument that ever had to carry a pointer would be a defect here,
// which is why none of them is declared as SlotInt.

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
