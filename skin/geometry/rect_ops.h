#pragma once
// Rectangle arithmetic on vesk::Rect with the conventions of window
// rectangles: right and bottom are exclusive, a rectangle without area is empty.

#include "host/win_types.h"

#include <algorithm>

namespace vesk::skin {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

inline int width(const Rect& r) { return r.right - r.left; }
inline int height(const Rect& r) { return r.bottom - r.top; }
inline bool isEmpty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

inline bool contains(const Rect& r, Point p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

inline bool sameRect(const Rect& a, const Rect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline Rect offsetRect(Rect r, int dx, int dy)
{
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
    return r;
}

inline Rect inflateRect(Rect r, int dx, int dy)
{
    r.left -= dx;
    r.right += dx;
    r.top -= dy;
    r.bottom += dy;
    return r;
}

// The smallest rectangle holding both; an empty operand does not count.
inline Rect unionRect(const Rect& a, const Rect& b)
{
    if (isEmpty(a))
        return b;
    if (isEmpty(b))
        return a;
    return Rect{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

inline Rect intersectRect(const Rect& a, const Rect& b)
{
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return isEmpty(r) ? Rect{} : r;
}

} // namespace vesk::skin
