#pragma once
// The trend chart's geometry without Qt: which cells of the scrolled body a
// rectangle shows, so the view paints only those (8,374 draws by up to 64
// items would be half a million cells).

#include <algorithm>

namespace vesk::omission {

struct TrendGeometry {
    int rows = 0;    // body rows: draws of the window, then the summary rows
    int columns = 0; // item columns
    int rowHeight = 18;
    int columnWidth = 34;
};

// Half-open ranges of rows and columns.
struct CellRange {
    int firstRow = 0;
    int endRow = 0;
    int firstColumn = 0;
    int endColumn = 0;
    bool Empty() const { return firstRow >= endRow || firstColumn >= endColumn; }
};

// The cells that meet the rectangle (x, y, width, height) given in body
// coordinates (0, 0 the top-left of the first cell).
constexpr CellRange VisibleCells(const TrendGeometry& g, int x, int y, int width, int height)
{
    if (width <= 0 || height <= 0 || g.rowHeight <= 0 || g.columnWidth <= 0)
        return {};
    const auto first = [](int from, int size) { return from < 0 ? 0 : from / size; };
    const auto end = [](int to, int size) { return to <= 0 ? 0 : (to + size - 1) / size; };
    CellRange range;
    range.firstRow = std::min(first(y, g.rowHeight), g.rows);
    range.endRow = std::min(end(y + height, g.rowHeight), g.rows);
    range.firstColumn = std::min(first(x, g.columnWidth), g.columns);
    range.endColumn = std::min(end(x + width, g.columnWidth), g.columns);
    return range;
}

} // namespace vesk::omission
