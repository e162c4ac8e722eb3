// Regions: rectangles, rounded rectangles, ellipses, polygons and their combinations.
#include "framework/gdi_objects.h"

#include "framework/qt_geometry.h"

#include <QPainterPath>
#include <QPolygon>

namespace vesk {

namespace {

GdiRegion* NewRegion(const QRegion& region)
{
    auto* object = new GdiRegion;
    object->region = region;
    return object;
}

QRegion RoundRectRegion(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    const QRect rect(left, top, right - left, bottom - top);
    if (rect.isEmpty())
        return {};
    const int w = std::min(ellipseWidth, rect.width());
    const int h = std::min(ellipseHeight, rect.height());
    if (w <= 1 || h <= 1)
        return QRegion(rect);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect), w / 2.0, h / 2.0);
    return QRegion(path.toFillPolygon().toPolygon());
}

int RegionType(const QRegion& region)
{
    if (region.isEmpty())
        return NULLREGION;
    return region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

} // namespace

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom)
{
    if (m_hObject)
        return FALSE;
    CRect r(left, top, right, bottom);
    r.NormalizeRect();
    m_hObject = NewRegion(QRegion(ToQRect(r)));
    return TRUE;
}

BOOL CRgn::CreateRectRgnIndirect(const RECT& rect) { return CreateRectRgn(rect.left, rect.top, rect.right, rect.bottom); }

BOOL CRgn::CreateRoundRectRgn(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    if (m_hObject)
        return FALSE;
    m_hObject = NewRegion(RoundRectRegion(left, top, right, bottom, ellipseWidth, ellipseHeight));
    return TRUE;
}

BOOL CRgn::CreateEllipticRgn(int left, int top, int right, int bottom)
{
    if (m_hObject)
        return FALSE;
    m_hObject = NewRegion(QRegion(QRect(left, top, right - left, bottom - top), QRegion::Ellipse));
    return TRUE;
}

BOOL CRgn::CreatePolygonRgn(const POINT* points, int count, int fillMode)
{
    if (m_hObject || !points || count < 3)
        return FALSE;
    QPolygon polygon;
    for (int i = 0; i < count; ++i)
        polygon << QPoint(points[i].x, points[i].y);
    m_hObject = NewRegion(QRegion(polygon, fillMode == 1 ? Qt::OddEvenFill : Qt::WindingFill));
    return TRUE;
}

int CRgn::CombineRgn(const CRgn* a, const CRgn* b, int mode)
{
    if (!m_hObject || !a || !a->m_hObject)
        return RGN_ERROR;
    const QRegion& ra = a->GetQRegion();
    if (mode == RGN_COPY) {
        static_cast<GdiRegion*>(m_hObject)->region = ra;
        return RegionType(ra);
    }
    if (!b || !b->m_hObject)
        return RGN_ERROR;
    const QRegion& rb = b->GetQRegion();
    QRegion result;
    switch (mode) {
    case RGN_AND: result = ra.intersected(rb); break;
    case RGN_OR: result = ra.united(rb); break;
    case RGN_XOR: result = ra.xored(rb); break;
    case RGN_DIFF: result = ra.subtracted(rb); break;
    default: return RGN_ERROR;
    }
    static_cast<GdiRegion*>(m_hObject)->region = result;
    return RegionType(result);
}

int CRgn::OffsetRgn(int dx, int dy)
{
    if (!m_hObject)
        return RGN_ERROR;
    auto& region = static_cast<GdiRegion*>(m_hObject)->region;
    region.translate(dx, dy);
    return RegionType(region);
}

BOOL CRgn::PtInRegion(int x, int y) const { return m_hObject && GetQRegion().contains(QPoint(x, y)); }

BOOL CRgn::EqualRgn(const CRgn* other) const { return other && m_hObject && other->m_hObject && GetQRegion() == other->GetQRegion(); }

int CRgn::GetRgnBox(RECT* rect) const
{
    if (!m_hObject || !rect)
        return RGN_ERROR;
    *rect = FromQRect(GetQRegion().boundingRect());
    return RegionType(GetQRegion());
}

CRgn* CRgn::FromHandle(HRGN region) { return WrapperOf<CRgn>(region); }

const QRegion& CRgn::GetQRegion() const
{
    static const QRegion none;
    return m_hObject ? static_cast<GdiRegion*>(m_hObject)->region : none;
}

} // namespace vesk
