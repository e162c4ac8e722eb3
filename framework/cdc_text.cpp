// CDC: text drawing and measuring, icons and the disabled look.
#include "framework/cdc.h"

#include "framework/qt_color.h"
#include "framework/qt_geometry.h"

#include <QFontMetrics>

#include <climits>

namespace vesk {

namespace {

QString Text(const CString& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

int TextFlags(UINT format)
{
    int flags = 0;
    if (format & DT_CENTER) flags |= Qt::AlignHCenter;
    else if (format & DT_RIGHT) flags |= Qt::AlignRight;
    else flags |= Qt::AlignLeft;
    if (format & DT_SINGLELINE) {
        flags |= Qt::TextSingleLine;
        if (format & DT_VCENTER) flags |= Qt::AlignVCenter;
        else if (format & DT_BOTTOM) flags |= Qt::AlignBottom;
        else flags |= Qt::AlignTop;
    } else {
        flags |= Qt::AlignTop;
        if (format & DT_WORDBREAK) flags |= Qt::TextWordWrap;
    }
    if (format & DT_EXPANDTABS) flags |= Qt::TextExpandTabs;
    if (!(format & DT_NOPREFIX)) flags |= Qt::TextShowMnemonic;
    if (format & DT_NOCLIP) flags |= Qt::TextDontClip;
    return flags;
}

} // namespace

int CDC::DrawText(const CString& text, RECT* rect, UINT format)
{
    if (!rect)
        return 0;
    const QFont font = CurrentQFont();
    const QFontMetrics metrics(font);
    QString s = Text(text);
    const int flags = TextFlags(format);
    CRect r(*rect);
    if ((format & DT_END_ELLIPSIS) && (format & DT_SINGLELINE))
        s = metrics.elidedText(s, Qt::ElideRight, r.Width(), Qt::TextShowMnemonic);
    if (format & DT_CALCRECT) {
        const bool single = (format & DT_SINGLELINE) || !(format & DT_WORDBREAK);
        const QRect bounds = metrics.boundingRect(QRect(r.left, r.top, single ? INT_MAX / 2 : r.Width(), INT_MAX / 2),
                                                  flags & ~(Qt::AlignVCenter | Qt::AlignBottom | Qt::AlignHCenter | Qt::AlignRight), s);
        rect->right = rect->left + bounds.width();
        rect->bottom = rect->top + bounds.height();
        return bounds.height();
    }
    if (!m_painter)
        return 0;
    const QRect area = ToQRect(r);
    const QRect bounds = m_painter->boundingRect(area, flags, s);
    if (m_bkMode == OPAQUE)
        m_painter->fillRect(bounds.intersected(area), ToQColor(m_bkColor));
    m_painter->save();
    m_painter->setPen(ToQColor(m_textColor));
    m_painter->setFont(font);
    m_painter->drawText(area, flags, s);
    m_painter->restore();
    return bounds.height();
}

int CDC::DrawText(const CString& text, const RECT& rect, UINT format)
{
    RECT copy = rect;
    return DrawText(text, &copy, format & ~DT_CALCRECT);
}

BOOL CDC::TextOut(int x, int y, const CString& text) { return ExtTextOut(x, y, 0, nullptr, text); }

BOOL CDC::ExtTextOut(int x, int y, UINT options, const RECT* rect, const CString& text)
{
    if (!m_painter)
        return FALSE;
    const QFontMetrics metrics(CurrentQFont());
    const QString s = Text(text);
    constexpr UINT kOpaque = 0x0002; // ETO_OPAQUE
    if (rect && (options & kOpaque))
        m_painter->fillRect(ToQRect(*rect), ToQColor(m_bkColor));
    if (m_bkMode == OPAQUE)
        m_painter->fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()), ToQColor(m_bkColor));
    m_painter->save();
    m_painter->setPen(ToQColor(m_textColor));
    m_painter->drawText(QPoint(x, y + metrics.ascent()), s);
    m_painter->restore();
    return TRUE;
}

CSize CDC::GetTextExtent(const CString& text) const
{
    const QFontMetrics metrics(CurrentQFont());
    return {metrics.horizontalAdvance(Text(text)), metrics.height()};
}

int CDC::GetTextHeight() const { return QFontMetrics(CurrentQFont()).height(); }

BOOL CDC::DrawIcon(int x, int y, HICON icon)
{
    if (!m_painter || !icon)
        return FALSE;
    m_painter->drawImage(QPoint(x, y), icon->image);
    return TRUE;
}

BOOL CDC::DrawIconEx(int x, int y, HICON icon, int width, int height)
{
    if (!m_painter || !icon)
        return FALSE;
    if (width <= 0 || height <= 0)
        return DrawIcon(x, y, icon);
    m_painter->drawImage(QRect(x, y, width, height), icon->image);
    return TRUE;
}

namespace {

// Pixels drawn by the disabled look: those that differ from white (bitmaps)
// or are not transparent (icons).
QImage DisabledMask(const QImage& image, bool icon, QColor color)
{
    QImage mask(image.size(), QImage::Format_ARGB32);
    mask.fill(Qt::transparent);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const bool fore = icon ? qAlpha(p) > 127 : (p & 0x00FFFFFF) != 0x00FFFFFF;
            if (fore)
                mask.setPixel(x, y, color.rgba());
        }
    return mask;
}

void DrawDisabled(QPainter* painter, const QPoint& at, const QImage& image, bool icon)
{
    painter->save();
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter->drawImage(at + QPoint(1, 1), DisabledMask(image, icon, Qt::white));
    painter->drawImage(at, DisabledMask(image, icon, QColor(128, 128, 128)));
    painter->restore();
}

} // namespace

BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP bitmap, UINT flags, CBrush*)
{
    if (!m_painter || !bitmap)
        return FALSE;
    const int w = size.cx > 0 ? size.cx : bitmap->image.width();
    const int h = size.cy > 0 ? size.cy : bitmap->image.height();
    const QImage part = bitmap->image.copy(0, 0, w, h);
    if (flags & DSS_DISABLED)
        DrawDisabled(m_painter, QPoint(pt.x, pt.y), part, false);
    else
        m_painter->drawImage(QPoint(pt.x, pt.y), part);
    return TRUE;
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON icon, UINT flags, CBrush*)
{
    if (!m_painter || !icon)
        return FALSE;
    QImage image = icon->image;
    if (size.cx > 0 && size.cy > 0 && image.size() != QSize(size.cx, size.cy))
        image = image.scaled(size.cx, size.cy);
    if (flags & DSS_DISABLED)
        DrawDisabled(m_painter, QPoint(pt.x, pt.y), image, true);
    else
        m_painter->drawImage(QPoint(pt.x, pt.y), image);
    return TRUE;
}

} // namespace vesk
