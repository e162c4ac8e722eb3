// CDC: blits with raster operations, fills and frames.
#include "framework/cdc.h"

#include "framework/qt_color.h"
#include "framework/qt_geometry.h"

namespace vesk {

namespace {

QPainter::CompositionMode ModeOf(DWORD rop)
{
    switch (rop) {
    case SRCAND: return QPainter::RasterOp_SourceAndDestination;
    case SRCPAINT: return QPainter::RasterOp_SourceOrDestination;
    case SRCINVERT: return QPainter::RasterOp_SourceXorDestination;
    case NOTSRCCOPY: return QPainter::RasterOp_NotSource;
    default: return QPainter::CompositionMode_Source;
    }
}

} // namespace

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sx, int sy, DWORD rop)
{
    if (!m_painter)
        return FALSE;
    if (rop == PATCOPY || rop == BLACKNESS || rop == WHITENESS) {
        const QBrush brush = rop == PATCOPY ? CurrentQBrush() : QBrush(rop == BLACKNESS ? Qt::black : Qt::white);
        if (brush.style() == Qt::NoBrush)
            return TRUE;
        m_painter->save();
        m_painter->setCompositionMode(QPainter::CompositionMode_Source);
        m_painter->fillRect(QRect(x, y, width, height), brush);
        m_painter->restore();
        return TRUE;
    }
    if (!source || !source->m_image)
        return FALSE;
    const QRect from(sx + source->m_origin.x, sy + source->m_origin.y, width, height);
    QImage pixels = source->m_image->copy(from);
    const bool sourceMono = source->m_bitmap && source->m_bitmap->monochrome;
    const bool targetMono = m_bitmap && m_bitmap->monochrome;
    if (targetMono && !sourceMono) {
        // Colour to monochrome: the source's background colour becomes white.
        const QRgb key = ToQColor(source->m_bkColor).rgb();
        for (int py = 0; py < pixels.height(); ++py) {
            auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(py));
            for (int px = 0; px < pixels.width(); ++px)
                line[px] = (line[px] | 0xFF000000) == key ? 0xFFFFFFFF : 0xFF000000;
        }
    } else if (sourceMono && !targetMono && (m_textColor != RGB(0, 0, 0) || m_bkColor != RGB(255, 255, 255))) {
        // Monochrome to colour: black takes the text colour, white the background.
        const QRgb fore = ToQColor(m_textColor).rgb();
        const QRgb back = ToQColor(m_bkColor).rgb();
        for (int py = 0; py < pixels.height(); ++py) {
            auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(py));
            for (int px = 0; px < pixels.width(); ++px)
                line[px] = (line[px] & 0x00FFFFFF) ? back : fore;
        }
    }
    m_painter->save();
    m_painter->setCompositionMode(ModeOf(rop));
    m_painter->drawImage(QPoint(x, y), pixels);
    m_painter->restore();
    return TRUE;
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int sx, int sy, int sw, int sh, DWORD rop)
{
    if (!m_painter || !source || !source->m_image)
        return FALSE;
    const QImage pixels = source->m_image->copy(QRect(sx + source->m_origin.x, sy + source->m_origin.y, sw, sh));
    m_painter->save();
    m_painter->setCompositionMode(ModeOf(rop));
    m_painter->drawImage(QRect(x, y, width, height), pixels);
    m_painter->restore();
    return TRUE;
}

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop) { return BitBlt(x, y, width, height, nullptr, 0, 0, rop); }

BOOL CDC::TransparentBlt(int x, int y, int width, int height, CDC* source, int sx, int sy, int sw, int sh,
                         COLORREF transparent)
{
    if (!m_painter || !source || !source->m_image)
        return FALSE;
    QImage pixels = source->m_image->copy(QRect(sx + source->m_origin.x, sy + source->m_origin.y, sw, sh))
                        .convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ToQColor(transparent).rgb();
    for (int py = 0; py < pixels.height(); ++py) {
        auto* line = reinterpret_cast<QRgb*>(pixels.scanLine(py));
        for (int px = 0; px < pixels.width(); ++px)
            if ((line[px] | 0xFF000000) == key)
                line[px] = 0;
    }
    m_painter->save();
    m_painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter->drawImage(QRect(x, y, width, height), pixels);
    m_painter->restore();
    return TRUE;
}

void CDC::FillRect(const RECT& rect, CBrush* brush)
{
    if (!m_painter || !brush || !brush->m_hObject)
        return;
    const QBrush& b = static_cast<HBRUSH>(brush->m_hObject)->brush;
    if (b.style() != Qt::NoBrush)
        m_painter->fillRect(ToQRect(rect), b);
}

void CDC::FillSolidRect(const RECT& rect, COLORREF color)
{
    // Sets the background colour as a side effect, as the framework's does.
    m_bkColor = color;
    if (m_painter)
        m_painter->fillRect(ToQRect(rect), ToQColor(color));
}

void CDC::FillSolidRect(int x, int y, int width, int height, COLORREF color)
{
    FillSolidRect(CRect(x, y, x + width, y + height), color);
}

void CDC::FrameRect(const RECT& rect, CBrush* brush)
{
    if (!m_painter || !brush || !brush->m_hObject)
        return;
    const QBrush& b = static_cast<HBRUSH>(brush->m_hObject)->brush;
    const QRect r = ToQRect(rect);
    if (r.isEmpty() || b.style() == Qt::NoBrush)
        return;
    m_painter->fillRect(QRect(r.left(), r.top(), r.width(), 1), b);
    m_painter->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), b);
    m_painter->fillRect(QRect(r.left(), r.top(), 1, r.height()), b);
    m_painter->fillRect(QRect(r.right(), r.top(), 1, r.height()), b);
}

void CDC::Draw3dRect(const RECT& rect, COLORREF topLeft, COLORREF bottomRight)
{
    const CRect r(rect);
    FillSolidRect(r.left, r.top, r.Width() - 1, 1, topLeft);
    FillSolidRect(r.left, r.top, 1, r.Height() - 1, topLeft);
    FillSolidRect(r.right - 1, r.top, 1, r.Height(), bottomRight);
    FillSolidRect(r.left, r.bottom - 1, r.Width(), 1, bottomRight);
}

BOOL CDC::FillRgn(CRgn* region, CBrush* brush)
{
    if (!m_painter || !region || !brush || !brush->m_hObject)
        return FALSE;
    for (const QRect& r : region->GetQRegion())
        m_painter->fillRect(r, static_cast<HBRUSH>(brush->m_hObject)->brush);
    return TRUE;
}

BOOL CDC::FrameRgn(CRgn* region, CBrush* brush, int width, int height)
{
    if (!m_painter || !region || !brush || !brush->m_hObject)
        return FALSE;
    const QRegion& r = region->GetQRegion();
    QRegion inner = r;
    inner = inner.intersected(r.translated(width, 0)).intersected(r.translated(-width, 0));
    inner = inner.intersected(r.translated(0, height)).intersected(r.translated(0, -height));
    for (const QRect& part : r.subtracted(inner))
        m_painter->fillRect(part, static_cast<HBRUSH>(brush->m_hObject)->brush);
    return TRUE;
}

} // namespace vesk
