// CDC: rectangles, ellipses, polygons, lines and pixels.
#include "framework/cdc.h"

#include "framework/qt_color.h"
#include "framework/qt_geometry.h"

#include <cstdlib>

namespace vesk {

BOOL CDC::Rectangle(int left, int top, int right, int bottom)
{
    if (!m_painter)
        return FALSE;
    const QRect r(left, top, right - left, bottom - top);
    if (r.width() <= 0 || r.height() <= 0)
        return TRUE;
    if (!m_pen || m_pen->null) {
        // Without a pen the system fills one pixel less on the right and bottom.
        m_painter->fillRect(r.adjusted(0, 0, -1, -1), CurrentQBrush());
        return TRUE;
    }
    m_painter->drawRect(r.adjusted(0, 0, -1, -1));
    return TRUE;
}

BOOL CDC::RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    if (!m_painter)
        return FALSE;
    const QRectF r(left, top, right - left - 1, bottom - top - 1);
    if (r.width() <= 0 || r.height() <= 0)
        return TRUE;
    m_painter->drawRoundedRect(r, ellipseWidth / 2.0, ellipseHeight / 2.0);
    return TRUE;
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom)
{
    if (!m_painter)
        return FALSE;
    m_painter->drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
    return TRUE;
}

BOOL CDC::Polygon(const POINT* points, int count)
{
    if (!m_painter || !points || count < 2)
        return FALSE;
    QPolygon polygon;
    for (int i = 0; i < count; ++i)
        polygon << QPoint(points[i].x, points[i].y);
    m_painter->drawPolygon(polygon, Qt::OddEvenFill);
    return TRUE;
}

BOOL CDC::Polyline(const POINT* points, int count)
{
    if (!points || count < 2)
        return FALSE;
    MoveTo(points[0]);
    for (int i = 1; i < count; ++i)
        LineTo(points[i]);
    return TRUE;
}

CPoint CDC::MoveTo(int x, int y) { return std::exchange(m_position, CPoint(x, y)); }

BOOL CDC::LineTo(int x, int y)
{
    const CPoint from = m_position;
    m_position = CPoint(x, y);
    if (!m_painter || (from.x == x && from.y == y))
        return TRUE;
    // The end point is not drawn: stop one pixel short along the major axis.
    const int dx = x - from.x;
    const int dy = y - from.y;
    QPoint end(x, y);
    if (std::abs(dx) >= std::abs(dy))
        end.rx() -= (dx > 0) - (dx < 0);
    if (std::abs(dy) >= std::abs(dx))
        end.ry() -= (dy > 0) - (dy < 0);
    m_painter->drawLine(QPoint(from.x, from.y), end);
    return TRUE;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color)
{
    if (m_painter)
        m_painter->fillRect(QRect(x, y, 1, 1), ToQColor(color));
    return color;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    if (!m_image)
        return CLR_INVALID;
    const QPoint p(x + m_origin.x, y + m_origin.y);
    if (!m_image->rect().contains(p))
        return CLR_INVALID;
    const QRgb rgb = m_image->pixel(p);
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

} // namespace vesk
