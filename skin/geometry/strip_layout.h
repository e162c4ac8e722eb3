#pragma once
// How a skin strip cell is spread over a control: fixed-width caps at both
// ends and a one-pixel body column tiled between them. Used by buttons, the
// dialog title band and tab heads, which differ only in cell size and order.

#include <vector>

namespace vesk::skin {

// Cells of a button strip, in the order they stand in the bitmap.
enum class ButtonState { Normal = 0, Hot = 1, Pressed = 2, Disabled = 3 };

inline constexpr int kButtonCellWidth = 7;
inline constexpr int kButtonCapWidth = 3;

// The first state that applies wins: disabled, pressed, hot, normal.
ButtonState chooseButtonState(bool disabled, bool pressed, bool hot);

inline int buttonCellX(ButtonState state) { return static_cast<int>(state) * kButtonCellWidth; }

// One copy from the strip: source columns [sourceX, sourceX + sourceWidth)
// fill destination columns [destX, destX + destWidth); a one-column source
// is tiled across the destination.
struct StripPiece {
    int destX = 0;
    int destWidth = 0;
    int sourceX = 0;
    int sourceWidth = 0;
    friend bool operator==(const StripPiece&, const StripPiece&) = default;
};

struct StripCell {
    int cellX = 0;     // x of the cell in the bitmap
    int capWidth = 3;  // left cap at cellX, body at cellX + capWidth
    int endCapX = 4;   // right cap's offset inside the cell
};

// Button order: left cap at 0, right cap at width - cap, body only between
// them (none when the control is narrower than two caps plus one column).
std::vector<StripPiece> capsThenBody(const StripCell& cell, int width);

// Title band and tab order: body across the whole width first, caps over it.
std::vector<StripPiece> bodyThenCaps(const StripCell& cell, int width);

} // namespace vesk::skin
