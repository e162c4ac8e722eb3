#pragma once
// Drawing shared by the check box and the radio: a two-cell image (off, on)
// beside left-aligned text, straight onto the item DC.

#include "framework/cbutton.h"
#include "skin/geometry/button_layout.h"

namespace vesk::skin {

struct TwoCellImage {
    HBITMAP bitmap = nullptr; // borrowed
    CellSize cell;
};

// The cell size of a lent image; zero width for a null bitmap.
CellSize TwoCellSizeOf(HBITMAP bitmap);

void DrawTwoCellItem(CButton& button, const DRAWITEMSTRUCT& item, const TwoCellImage& image, bool checked);

} // namespace vesk::skin
