#pragma once
// Conversions between the framework's RECT/POINT and Qt's geometry types.

#include "framework/geometry.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace vesk {

inline QRect ToQRect(const RECT& r) { return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top); }
inline CRect FromQRect(const QRect& r) { return CRect(r.x(), r.y(), r.x() + r.width(), r.y() + r.height()); }
inline QPoint ToQPoint(const POINT& p) { return QPoint(p.x, p.y); }
inline CPoint FromQPoint(const QPoint& p) { return CPoint(p.x(), p.y()); }
inline QSize ToQSize(const SIZE& s) { return QSize(s.cx, s.cy); }

} // namespace vesk
