#pragma once
// Placement of the two skinned bars over a multi-line edit's own scroll bars,
// and the window region that cuts the edit's bars away.

#include "skin/geometry/rect_ops.h"

#include <vector>

namespace vesk::skin {

inline constexpr int kBarThickness = 16;

// Distances between the window and client rectangles on each side.
struct BorderWidths {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

BorderWidths borderWidths(const Rect& window, const Rect& client);

struct ScrollEditBars {
    bool verticalShown = false;
    Rect vertical; // in the parent's client coordinates
    bool horizontalShown = false;
    Rect horizontal;
};

// A bar is shown where the edit has its own bar, that is where the border on
// that side is at least a bar thick; it covers the edit's bar exactly.
ScrollEditBars layoutScrollEditBars(const Rect& windowInParent, const BorderWidths& borders,
                                    int clientWidth, int clientHeight);

// The window region (origin 0, 0): the window less the strips under the shown bars.
std::vector<Rect> scrollEditRegionCuts(int windowWidth, int windowHeight, const BorderWidths& borders,
                                       int clientWidth, int clientHeight, bool verticalShown,
                                       bool horizontalShown);

} // namespace vesk::skin
