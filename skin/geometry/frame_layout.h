#pragma once
// Non-client geometry of the skinned dialog frame, in window coordinates
// (origin at the window's top-left corner) unless named otherwise.

#include "skin/geometry/rect_ops.h"

namespace vesk::skin {

inline constexpr int kCaptionHeight = 29;
inline constexpr int kBorderWidth = 5;

enum class FrameButton { None, Minimise, Maximise, Close };

struct FrameLayout {
    Rect caption;          // (0, 0, W, 29)
    Rect window;           // (0, 0, W, H)
    Rect close;
    Rect buttonBackground; // empty when close-only
    Rect maximise;         // empty when close-only
    Rect minimise;         // empty when close-only
};

FrameLayout layoutFrame(int windowWidth, int windowHeight, bool closeOnly);

// The client rectangle inside a proposed window rectangle.
Rect clientFromWindow(const Rect& window);

// Client coordinates to window coordinates.
Point clientToFrame(Point client);

// The caption band that drags the window: 5 pixels in from the left, top and
// right edges down to 29 pixels below the top. Both in screen coordinates.
bool inCaptionBand(const Rect& windowOnScreen, Point screen);

// Button under a point, tested in the order minimise, maximise, close.
FrameButton frameButtonAt(const FrameLayout& layout, Point point);

// The five U-shaped border lines, outermost first: each rectangle's left,
// bottom and right edges are drawn (its top is open).
struct BorderLine {
    Rect edges;
    unsigned colour; // 0x00BBGGRR
};
void borderLines(int windowWidth, int windowHeight, BorderLine (&lines)[5]);

// The rectangle the dialog takes when maximised: the whole screen above a
// task bar assumed to lie along the bottom (taskBar empty when none).
Rect maximisedRect(int screenWidth, int screenHeight, const Rect& taskBar);

} // namespace vesk::skin
