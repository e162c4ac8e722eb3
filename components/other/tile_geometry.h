#pragma once
// Where the items of an arrangement area stand: tiles of the item images'
// size (75 × 20) in rows, left to right, wrapping at the area's width; and
// which tile or which gap between tiles a point is over.

namespace vesk::other {

inline constexpr int kTileWidth = 75;
inline constexpr int kTileHeight = 20;
inline constexpr int kTileGap = 6;
inline constexpr int kAreaMargin = 6;

struct TileRect {
    int x = 0;
    int y = 0;
    int width = kTileWidth;
    int height = kTileHeight;
    bool Contains(int px, int py) const { return px >= x && px < x + width && py >= y && py < y + height; }
};

// Tiles per row in an area of this width, at least 1.
int TilesPerRow(int areaWidth);
TileRect TileAt(int index, int areaWidth);
// The tile under the point among count tiles, or -1 (gaps and margins too).
int TileIndexAt(int x, int y, int areaWidth, int count);
// Where an item dropped at the point lands among count tiles: 0..count. The
// nearest gap of the point's row; below the last row, the end.
int DropSlotAt(int x, int y, int areaWidth, int count);

} // namespace vesk::other
