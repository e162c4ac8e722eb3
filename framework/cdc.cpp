// CDC: device contexts over QPainter.
#include "framework/cdc.h"

#include "framework/cwnd.h"
#include "framework/qt_geometry.h"
#include "framework/window_internal.h"

#include <QFontMetrics>
#include <QPaintEvent>

#include <climits>

namespace vesk {

namespace {

QColor ToQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }
QString Text(const CString& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

HBITMAP StockBitmap()
{
    static GdiBitmap* bitmap = [] {
        auto* b = new GdiBitmap;
        b->stock = true;
        b->monochrome = true;
        b->image = QImage(1, 1, QImage::Format_RGB32);
        b->image.fill(Qt::black);
        return b;
    }();
    return bitmap;
}

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

CDC::CDC() = default;

CDC::~CDC() { DeleteDC(); }

BOOL CDC::CreateCompatibleDC(CDC*)
{
    DeleteDC();
    m_memory = true;
    SelectDefaultObjects();
    SelectBitmap(StockBitmap());
    return TRUE;
}

BOOL CDC::DeleteDC()
{
    EndOwnPainter();
    if (m_bitmap) {
        --m_bitmap->selectedCount;
        m_bitmap = nullptr;
    }
    m_painter = nullptr;
    m_image = nullptr;
    m_widget = nullptr;
    m_memory = false;
    m_saved.clear();
    m_clip.reset();
    m_origin = {};
    return TRUE;
}

BOOL CDC::AttachPainter(QPainter* painter, QWidget* widget)
{
    DeleteDC();
    if (!painter)
        return FALSE;
    m_painter = painter;
    m_widget = widget;
    SelectDefaultObjects();
    ApplyState();
    return TRUE;
}

BOOL CDC::AttachImage(QImage* image)
{
    DeleteDC();
    if (!image || image->isNull())
        return FALSE;
    SelectDefaultObjects();
    m_image = image;
    return BeginOn(image) ? TRUE : FALSE;
}

void CDC::EndOwnPainter()
{
    if (m_ownPainter) {
        if (m_ownPainter->isActive())
            m_ownPainter->end();
        m_ownPainter.reset();
        m_painter = nullptr;
    }
}

bool CDC::BeginOn(QPaintDevice* device)
{
    EndOwnPainter();
    m_ownPainter = std::make_unique<QPainter>();
    if (!m_ownPainter->begin(device)) {
        m_ownPainter.reset();
        return false;
    }
    m_painter = m_ownPainter.get();
    ApplyState();
    return true;
}

void CDC::BeginScratch()
{
    m_scratch = QImage(1, 1, QImage::Format_RGB32);
    BeginOn(&m_scratch);
}

void CDC::ApplyState()
{
    if (!m_painter)
        return;
    m_painter->setRenderHint(QPainter::Antialiasing, false);
    m_painter->setPen(CurrentQPen());
    m_painter->setBrush(CurrentQBrush());
    m_painter->setFont(CurrentQFont());
    m_painter->resetTransform();
    m_painter->translate(m_origin.x, m_origin.y);
    if (m_clip)
        m_painter->setClipRegion(m_clip->translated(-m_origin.x, -m_origin.y));
    else
        m_painter->setClipping(false);
}

QBrush CDC::CurrentQBrush() const { return m_brush ? m_brush->brush : QBrush(Qt::NoBrush); }
QPen CDC::CurrentQPen() const { return m_pen ? m_pen->pen : QPen(Qt::NoPen); }
QFont CDC::CurrentQFont() const { return m_font ? m_font->font : QFont(); }

void CDC::SelectBitmap(HBITMAP bitmap)
{
    if (m_bitmap)
        --m_bitmap->selectedCount;
    m_bitmap = bitmap;
    ++m_bitmap->selectedCount;
    m_image = &bitmap->image;
    BeginOn(m_image);
}

// --- Selected objects ---------------------------------------------------------------

CPen* CDC::SelectObject(CPen* pen) { return CPen::FromHandle(static_cast<HPEN>(SelectObject(pen ? pen->m_hObject : nullptr))); }
CBrush* CDC::SelectObject(CBrush* brush)
{
    return CBrush::FromHandle(static_cast<HBRUSH>(SelectObject(brush ? brush->m_hObject : nullptr)));
}
CFont* CDC::SelectObject(CFont* font) { return CFont::FromHandle(static_cast<HFONT>(SelectObject(font ? font->m_hObject : nullptr))); }
CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    return CBitmap::FromHandle(static_cast<HBITMAP>(SelectObject(bitmap ? bitmap->m_hObject : nullptr)));
}
CGdiObject* CDC::SelectObject(CGdiObject* object) { return CGdiObject::FromHandle(SelectObject(object ? object->m_hObject : nullptr)); }

HGDIOBJ CDC::SelectObject(HGDIOBJ object)
{
    if (!object)
        return nullptr;
    HGDIOBJ previous = nullptr;
    switch (object->kind) {
    case GdiObject::Kind::Pen:
        previous = m_pen;
        m_pen = static_cast<HPEN>(object);
        if (m_painter) m_painter->setPen(CurrentQPen());
        break;
    case GdiObject::Kind::Brush:
        previous = m_brush;
        m_brush = static_cast<HBRUSH>(object);
        if (m_painter) m_painter->setBrush(CurrentQBrush());
        break;
    case GdiObject::Kind::Font:
        previous = m_font;
        m_font = static_cast<HFONT>(object);
        if (m_painter) m_painter->setFont(CurrentQFont());
        break;
    case GdiObject::Kind::Bitmap:
        // Only memory DCs take bitmaps, as with the system.
        if (!m_memory)
            return nullptr;
        previous = m_bitmap;
        SelectBitmap(static_cast<HBITMAP>(object));
        break;
    case GdiObject::Kind::Region:
        SelectClipRgn(CRgn::FromHandle(static_cast<HRGN>(object)));
        return reinterpret_cast<HGDIOBJ>(static_cast<intptr_t>(SIMPLEREGION));
    default:
        return nullptr;
    }
    return previous;
}

CGdiObject* CDC::SelectStockObject(int index) { return CGdiObject::FromHandle(SelectObject(GetStockObject(index))); }
CPen* CDC::GetCurrentPen() const { return CPen::FromHandle(m_pen); }
CBrush* CDC::GetCurrentBrush() const { return CBrush::FromHandle(m_brush); }
CFont* CDC::GetCurrentFont() const { return CFont::FromHandle(m_font); }
CBitmap* CDC::GetCurrentBitmap() const { return CBitmap::FromHandle(m_bitmap); }

// --- Attributes ------------------------------------------------------------------------

COLORREF CDC::SetTextColor(COLORREF color) { return std::exchange(m_textColor, color); }
COLORREF CDC::SetBkColor(COLORREF color) { return std::exchange(m_bkColor, color); }
int CDC::SetBkMode(int mode) { return std::exchange(m_bkMode, mode); }

CPoint CDC::SetViewportOrg(int x, int y)
{
    const CPoint old = m_origin;
    m_origin = CPoint(x, y);
    ApplyState();
    return old;
}

int CDC::SelectClipRgn(CRgn* region)
{
    if (region && region->m_hObject)
        m_clip = region->GetQRegion();
    else
        m_clip.reset();
    ApplyState();
    return m_clip ? (m_clip->isEmpty() ? NULLREGION : SIMPLEREGION) : SIMPLEREGION;
}

int CDC::IntersectClipRect(const RECT& rect)
{
    QRect device = ToQRect(rect).translated(m_origin.x, m_origin.y);
    QRegion base = m_clip ? *m_clip : QRegion(QRect(-1000000, -1000000, 2000000, 2000000));
    m_clip = base.intersected(device);
    ApplyState();
    return m_clip->isEmpty() ? NULLREGION : SIMPLEREGION;
}

int CDC::GetClipBox(RECT* rect) const
{
    if (!rect)
        return RGN_ERROR;
    QRect box;
    if (m_clip)
        box = m_clip->boundingRect();
    else if (m_image)
        box = m_image->rect();
    else if (m_widget)
        box = m_widget->rect();
    else if (m_painter && m_painter->device())
        box = QRect(0, 0, m_painter->device()->width(), m_painter->device()->height());
    if (m_painter && m_widget && m_painter->hasClipping() == false) {
        // The area being painted.
        box = m_widget->rect();
    }
    *rect = FromQRect(box.translated(-m_origin.x, -m_origin.y));
    return box.isEmpty() ? NULLREGION : SIMPLEREGION;
}

int CDC::SaveDC()
{
    m_saved.push_back({m_pen, m_brush, m_font, m_textColor, m_bkColor, m_bkMode, m_origin, m_clip});
    return static_cast<int>(m_saved.size());
}

BOOL CDC::RestoreDC(int saved)
{
    if (saved < 0)
        saved = static_cast<int>(m_saved.size()) + 1 + saved;
    if (saved <= 0 || saved > static_cast<int>(m_saved.size()))
        return FALSE;
    const State state = m_saved[static_cast<size_t>(saved - 1)];
    m_saved.resize(static_cast<size_t>(saved - 1));
    m_pen = state.pen;
    m_brush = state.brush;
    m_font = state.font;
    m_textColor = state.textColor;
    m_bkColor = state.bkColor;
    m_bkMode = state.bkMode;
    m_origin = state.origin;
    m_clip = state.clip;
    ApplyState();
    return TRUE;
}

// --- Blits and fills ----------------------------------------------------------------------

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

// --- Shapes -------------------------------------------------------------------------------

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

// --- Text ------------------------------------------------------------------------------

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

// --- Images -------------------------------------------------------------------------------

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

QPainter* CDC::GetPainter() const { return m_painter; }
const QImage* CDC::GetImage() const { return m_image; }

// --- Window DCs ---------------------------------------------------------------------------

void CDC::SelectDefaultObjects()
{
    m_pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    m_brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    m_font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

void CDC::BeginOnWidget(QWidget* widget)
{
    SelectDefaultObjects();
    // Widgets take painters only while they paint.
    if (widget && detail::IsPainting(widget)) {
        m_widget = widget;
        BeginOn(widget);
    } else {
        BeginScratch();
    }
}

CPaintDC::CPaintDC(CWnd* wnd) : m_wnd(wnd)
{
    QWidget* client = wnd ? wnd->ClientWidget() : nullptr;
    m_rcPaint = client ? CRect(0, 0, client->width(), client->height()) : CRect();
    BeginOnWidget(client);
    if (wnd)
        wnd->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(this), 0);
}

CPaintDC::~CPaintDC() = default;

CClientDC::CClientDC(CWnd* wnd) { BeginOnWidget(wnd ? wnd->ClientWidget() : nullptr); }

CWindowDC::CWindowDC(CWnd* wnd) { BeginOnWidget(wnd ? wnd->m_hWnd : nullptr); }

} // namespace vesk
