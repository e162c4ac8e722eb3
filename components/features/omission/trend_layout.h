#pragma once
// The trend chart's geometry without Qt: which cells of the scrolled body a
// rectangle shows, so the view paints only those (8,374 draws by up to 64
// items would be half a million cells).

#include <algorithm>
#include <string>
#include <vector>

namespace vesk::omission {

struct TrendGeometry {
    int rows = 0;    // body rows: the draws of the window
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

namespace vesk::omission {

// A picture may be at most this tall (what image formats and viewers take).
inline constexpr int kMaxPictureHeight = 32767;

// The draw rows [first, end) of each exported picture (or printed page):
// every picture holds the header on top, the last one the summary rows under
// its draws too; all fit maxHeight. Empty when not even one row fits.
struct RowSpan {
    int first = 0;
    int end = 0;
    friend bool operator==(const RowSpan&, const RowSpan&) = default;
};
inline std::vector<RowSpan> PictureRows(int rows, int rowHeight, int headerHeight, int summaryHeight,
                                        int maxHeight = kMaxPictureHeight)
{
    std::vector<RowSpan> spans;
    if (rowHeight <= 0 || headerHeight + summaryHeight + rowHeight > maxHeight)
        return spans;
    const int perPicture = (maxHeight - headerHeight) / rowHeight;
    const int perLast = (maxHeight - headerHeight - summaryHeight) / rowHeight;
    int first = 0;
    while (rows - first > perLast) {
        // Not the last picture: full, but leaving the last at least one draw
        // above the summary.
        const int take = std::min(perPicture, rows - first - 1);
        spans.push_back({first, first + take});
        first += take;
    }
    spans.push_back({first, rows});
    return spans;
}

// "chart.png" as the n-th (from 1) of several pictures: "chart-n.png".
inline std::string NumberedPicturePath(const std::string& path, int n)
{
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    std::string numbered = hasExtension ? path.substr(0, dot) : path;
    numbered.append(1, '-').append(std::to_string(n));
    if (hasExtension)
        numbered.append(path, dot);
    return numbered;
}

} // namespace vesk::omission
