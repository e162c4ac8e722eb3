#include "skin/geometry/strip_layout.h"

namespace vesk::skin {

ButtonState chooseButtonState(bool disabled, bool pressed, bool hot)
{
    if (disabled)
        return ButtonState::Disabled;
    if (pressed)
        return ButtonState::Pressed;
    if (hot)
        return ButtonState::Hot;
    return ButtonState::Normal;
}

namespace {

StripPiece leftCap(const StripCell& cell)
{
    return {0, cell.capWidth, cell.cellX, cell.capWidth};
}

StripPiece rightCap(const StripCell& cell, int width)
{
    return {width - cell.capWidth, cell.capWidth, cell.cellX + cell.endCapX, cell.capWidth};
}

} // namespace

std::vector<StripPiece> capsThenBody(const StripCell& cell, int width)
{
    std::vector<StripPiece> pieces{leftCap(cell), rightCap(cell, width)};
    const int bodyWidth = width - 2 * cell.capWidth;
    if (bodyWidth > 0)
        pieces.push_back({cell.capWidth, bodyWidth, cell.cellX + cell.capWidth, 1});
    return pieces;
}

std::vector<StripPiece> bodyThenCaps(const StripCell& cell, int width)
{
    std::vector<StripPiece> pieces;
    if (width > 0)
        pieces.push_back({0, width, cell.cellX + cell.capWidth, 1});
    pieces.push_back(leftCap(cell));
    pieces.push_back(rightCap(cell, width));
    return pieces;
}

} // namespace vesk::skin
