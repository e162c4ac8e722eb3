#include "components/other/tile_geometry.h"

#include <algorithm>

namespace vesk::other {
namespace {

constexpr int kStepX = kTileWidth + kTileGap;
constexpr int kStepY = kTileHeight + kTileGap;

// Floor division: points left of or above the margin count as before it.
int FloorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace

int TilesPerRow(int areaWidth)
{
    return std::max(1, (areaWidth - 2 * kAreaMargin + kTileGap) / kStepX);
}

TileRect TileAt(int index, int areaWidth)
{
    const int perRow = TilesPerRow(areaWidth);
    return {kAreaMargin + (index % perRow) * kStepX, kAreaMargin + (index / perRow) * kStepY};
}

int TileIndexAt(int x, int y, int areaWidth, int count)
{
    const int perRow = TilesPerRow(areaWidth);
    const int column = FloorDiv(x - kAreaMargin, kStepX);
    const int row = FloorDiv(y - kAreaMargin, kStepY);
    if (column < 0 || column >= perRow || row < 0)
        return -1;
    const int index = row * perRow + column;
    return index < count && TileAt(index, areaWidth).Contains(x, y) ? index : -1;
}

int DropSlotAt(int x, int y, int areaWidth, int count)
{
    const int perRow = TilesPerRow(areaWidth);
    const int row = std::max(0, FloorDiv(y - kAreaMargin + kTileGap / 2, kStepY));
    const int column = std::clamp(FloorDiv(x - kAreaMargin + kStepX / 2, kStepX), 0, perRow);
    return std::clamp(row * perRow + column, 0, count);
}

} // namespace vesk::other
