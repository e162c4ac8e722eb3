#pragma once
// Geometry of the skinned scroll bar: arrows, thumb, the scale between pixels
// and positions, hit testing and the thumb drag. "Along" is y for a vertical
// bar and x for a horizontal one; L is the client length along the bar.

#include "skin/geometry/rect_ops.h"
#include "skin/geometry/scroll_range.h"

namespace vesk::skin {

inline constexpr int kArrowLength = 16;

enum class ScrollPart { None = -1, FirstArrow = 0, SecondArrow = 1, Thumb = 2 };

struct ScrollGeometry {
    bool vertical = true;
    int clientWidth = 0;
    int clientHeight = 0;
    double scale = 0.0; // pixels per position unit
    int effectiveMin = 0;
    int effectiveMax = 0;
    Rect firstArrow;
    Rect secondArrow;
    Rect thumb; // empty when the bar is too short for one

    int length() const { return vertical ? clientHeight : clientWidth; }
    int thickness() const { return vertical ? clientWidth : clientHeight; }
};

// Arrows, scale and thumb for the range at the given client size.
ScrollGeometry layoutScrollBar(const ScrollRange& range, bool vertical, int clientWidth,
                               int clientHeight);

// The thumb for the range's position at the geometry's scale.
Rect placeThumb(const ScrollRange& range, const ScrollGeometry& geometry);

// The position a thumb rectangle stands for during a drag, within
// [effective min, effective max].
int positionFromThumb(const ScrollRange& range, const ScrollGeometry& geometry, const Rect& thumb);

ScrollPart hitTestScrollBar(const ScrollGeometry& geometry, Point point);

// Start and end of a rectangle along the bar, and of a point.
int alongStart(const ScrollGeometry& geometry, const Rect& r);
int alongEnd(const ScrollGeometry& geometry, const Rect& r);
int along(const ScrollGeometry& geometry, Point p);

// The track between the arrows, full thickness.
Rect trackRect(const ScrollGeometry& geometry);

// The drag-start thumb moved along the bar by delta pixels, kept inside the track.
Rect draggedThumb(const ScrollGeometry& geometry, const Rect& startThumb, int delta);

// A drag stays live while the mouse is within the client rectangle enlarged
// by 130 pixels across the bar and 800 along it.
bool insideDragBox(const Rect& client, Point point, bool vertical);

// What a repeat tick of a held press does at the cursor.
enum class ScrollRepeat { None, LineUp, LineDown, PageUp, PageDown };
ScrollRepeat repeatAction(const ScrollGeometry& geometry, Point cursor, const Rect& partRect,
                          bool pageBackward);

} // namespace vesk::skin
