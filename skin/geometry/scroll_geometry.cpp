#include "skin/geometry/scroll_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace vesk::skin {
namespace {

// round(x): add one half and truncate toward zero; whole(x): truncate.
int roundHalf(double x) { return static_cast<int>(std::trunc(x + 0.5)); }
int whole(double x) { return static_cast<int>(std::trunc(x)); }

double unitsOf(const ScrollRange& range)
{
    return static_cast<double>(std::int64_t{range.max} - range.min + 1);
}

// A rectangle spanning [start, end) along the bar and the full thickness.
Rect spanAlong(const ScrollGeometry& g, int start, int end)
{
    return g.vertical ? Rect{0, start, g.clientWidth, end} : Rect{start, 0, end, g.clientHeight};
}

Rect moveAlong(const ScrollGeometry& g, const Rect& r, int delta)
{
    return g.vertical ? offsetRect(r, 0, delta) : offsetRect(r, delta, 0);
}

double scaleFor(const ScrollRange& range, bool vertical, int length)
{
    const double units = unitsOf(range);
    double scale = (length - 2 * kArrowLength) / units;
    if (range.page != 0) {
        const int thumbLength = roundHalf(scale * range.page);
        if (thumbLength < 8)
            scale = (length - 40 + thumbLength) / units;
    } else {
        const int measured = vertical ? whole(scale) : roundHalf(scale);
        if (measured < 16)
            scale = (length - 48) / units;
    }
    return scale;
}

} // namespace

int alongStart(const ScrollGeometry& g, const Rect& r) { return g.vertical ? r.top : r.left; }
int alongEnd(const ScrollGeometry& g, const Rect& r) { return g.vertical ? r.bottom : r.right; }
int along(const ScrollGeometry& g, Point p) { return g.vertical ? p.y : p.x; }

ScrollGeometry layoutScrollBar(const ScrollRange& range, bool vertical, int clientWidth,
                               int clientHeight)
{
    ScrollGeometry g;
    g.vertical = vertical;
    g.clientWidth = clientWidth;
    g.clientHeight = clientHeight;
    g.effectiveMin = range.min;
    g.effectiveMax = effectiveMax(range);
    const int length = g.length();
    g.firstArrow = spanAlong(g, 0, kArrowLength);
    g.secondArrow = spanAlong(g, length - kArrowLength, length);
    g.scale = scaleFor(range, vertical, length);
    g.thumb = placeThumb(range, g);
    return g;
}

Rect placeThumb(const ScrollRange& range, const ScrollGeometry& g)
{
    const int length = g.length();
    if (length <= 40)
        return Rect{};
    const int start = kArrowLength + roundHalf(std::abs(static_cast<double>(range.pos) - range.min) * g.scale);
    const int thumbLength = range.page != 0 ? std::max(roundHalf(g.scale * range.page), 8) : 16;
    Rect thumb = spanAlong(g, start, start + thumbLength);

    // A thumb shorter than one unit sits in the middle of its unit, except
    // at either end where it must touch the arrow.
    const bool atEnd = range.pos == g.effectiveMin || range.pos == g.effectiveMax;
    if (thumbLength < roundHalf(g.scale) && !atEnd)
        thumb = moveAlong(g, thumb, whole((g.scale + 0.5 - thumbLength) / 2));
    if (g.effectiveMin < g.effectiveMax && range.pos == g.effectiveMax)
        thumb = moveAlong(g, thumb, length - kArrowLength - alongEnd(g, thumb));
    return thumb;
}

int positionFromThumb(const ScrollRange& range, const ScrollGeometry& g, const Rect& thumb)
{
    // A bar too short to lay out a track has no meaningful scale; dividing by
    // it would report positions outside the range.
    if (g.scale <= 0.0)
        return g.effectiveMin;
    const int trackStart = kArrowLength;
    const int trackEnd = g.length() - kArrowLength;
    const int start = alongStart(g, thumb);
    const int end = alongEnd(g, thumb);
    std::int64_t p = 0;
    if (range.page == 0 && roundHalf(g.scale) > 16) {
        const int centre = (start + end) / 2;
        p = roundHalf((centre - trackStart) / g.scale);
    } else if (end == trackEnd) {
        // A thumb against the second arrow stands for the last position
        // whatever the range's origin.
        return g.effectiveMax;
    } else {
        p = whole((start - trackStart) / g.scale);
        const int cellStart = trackStart + whole(static_cast<double>(p) * g.scale);
        const int cellEnd = cellStart + whole(g.scale);
        const int overlap = std::min(cellEnd, end) - std::max(cellStart, start);
        if (overlap < whole(g.scale / 2))
            ++p;
    }
    const std::int64_t position = std::min<std::int64_t>(g.effectiveMax, p + range.min);
    return static_cast<int>(std::max<std::int64_t>(g.effectiveMin, position));
}

ScrollPart hitTestScrollBar(const ScrollGeometry& g, Point point)
{
    if (contains(g.firstArrow, point))
        return ScrollPart::FirstArrow;
    if (contains(g.secondArrow, point))
        return ScrollPart::SecondArrow;
    if (contains(g.thumb, point))
        return ScrollPart::Thumb;
    return ScrollPart::None;
}

Rect trackRect(const ScrollGeometry& g)
{
    return spanAlong(g, kArrowLength, g.length() - kArrowLength);
}

Rect draggedThumb(const ScrollGeometry& g, const Rect& startThumb, int delta)
{
    Rect thumb = moveAlong(g, startThumb, delta);
    const int trackEnd = g.length() - kArrowLength;
    if (alongStart(g, thumb) < kArrowLength)
        thumb = moveAlong(g, thumb, kArrowLength - alongStart(g, thumb));
    else if (alongEnd(g, thumb) > trackEnd)
        thumb = moveAlong(g, thumb, trackEnd - alongEnd(g, thumb));
    return thumb;
}

bool insideDragBox(const Rect& client, Point point, bool vertical)
{
    const Rect box = vertical ? inflateRect(client, 130, 800) : inflateRect(client, 800, 130);
    return contains(box, point);
}

ScrollRepeat repeatAction(const ScrollGeometry& g, Point cursor, const Rect& partRect,
                          bool pageBackward)
{
    const ScrollPart part = hitTestScrollBar(g, cursor);
    if (part == ScrollPart::FirstArrow && sameRect(partRect, g.firstArrow))
        return ScrollRepeat::LineUp;
    if (part == ScrollPart::SecondArrow && sameRect(partRect, g.secondArrow))
        return ScrollRepeat::LineDown;
    if (part == ScrollPart::FirstArrow || part == ScrollPart::SecondArrow)
        return ScrollRepeat::None;
    if (!contains(trackRect(g), cursor) || !isEmpty(partRect))
        return ScrollRepeat::None;
    const int at = along(g, cursor);
    if (pageBackward && at < alongStart(g, g.thumb))
        return ScrollRepeat::PageUp;
    if (!pageBackward && at >= alongEnd(g, g.thumb))
        return ScrollRepeat::PageDown;
    return ScrollRepeat::None;
}

} // namespace vesk::skin
