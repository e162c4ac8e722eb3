// CDC: device contexts over QPainter — surfaces, selected objects, attributes.
#include "framework/cdc.h"

#include "framework/cwnd.h"
#include "framework/qt_color.h"
#include "framework/qt_geometry.h"
#include "framework/window_internal.h"

namespace vesk {

namespace {

// The 1x1 monochrome bitmap a new memory DC holds, as the system's does. Each
// DC has its own: a QImage takes one painter at a time, and every memory DC
// keeps a painter on its bitmap.
HBITMAP MakeDefaultBitmap()
{
    auto* bitmap = new GdiBitmap;
    bitmap->stock = true; // never deleted by DeleteObject
    bitmap->monochrome = true;
    bitmap->image = QImage(1, 1, QImage::Format_RGB32);
    bitmap->image.fill(Qt::black);
    return bitmap;
}

} // namespace

CDC::CDC() = default;

CDC::~CDC() { DeleteDC(); }

BOOL CDC::CreateCompatibleDC(CDC*)
{
    DeleteDC();
    m_memory = true;
    SelectDefaultObjects();
    // The DC's own hold keeps it alive while a caller has it selected out.
    m_defaultBitmap = MakeDefaultBitmap();
    RetainSelected(m_defaultBitmap);
    SelectBitmap(m_defaultBitmap);
    return TRUE;
}

template <class Handle>
void CDC::Reselect(Handle& slot, Handle next)
{
    RetainSelected(next);
    ReleaseSelected(std::exchange(slot, next));
}

BOOL CDC::DeleteDC()
{
    EndOwnPainter();
    Reselect(m_bitmap, HBITMAP{});
    Reselect(m_pen, HPEN{});
    Reselect(m_brush, HBRUSH{});
    Reselect(m_font, HFONT{});
    for (const State& state : m_saved)
        ReleaseState(state);
    if (m_defaultBitmap) {
        // Goes now, or when the last DC it was handed to lets go of it.
        m_defaultBitmap->deletePending = true;
        ReleaseSelected(std::exchange(m_defaultBitmap, HBITMAP{}));
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
    EndOwnPainter(); // its surface may go with the previous bitmap
    Reselect(m_bitmap, bitmap);
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
    case GdiObject::Kind::Pen: previous = m_pen; break;
    case GdiObject::Kind::Brush: previous = m_brush; break;
    case GdiObject::Kind::Font: previous = m_font; break;
    case GdiObject::Kind::Bitmap:
        // Only memory DCs take bitmaps, as with the system.
        if (!m_memory)
            return nullptr;
        previous = m_bitmap;
        break;
    case GdiObject::Kind::Region:
        SelectClipRgn(CRgn::FromHandle(static_cast<HRGN>(object)));
        return nullptr;
    default:
        return nullptr;
    }
    // A previous object whose owner is gone goes now: there is nothing to hand back.
    const bool previousGoes = previous && previous != object && previous->deletePending && previous->selectedCount == 1;
    switch (object->kind) {
    case GdiObject::Kind::Pen:
        Reselect(m_pen, static_cast<HPEN>(object));
        if (m_painter) m_painter->setPen(CurrentQPen());
        break;
    case GdiObject::Kind::Brush:
        Reselect(m_brush, static_cast<HBRUSH>(object));
        if (m_painter) m_painter->setBrush(CurrentQBrush());
        break;
    case GdiObject::Kind::Font:
        Reselect(m_font, static_cast<HFONT>(object));
        if (m_painter) m_painter->setFont(CurrentQFont());
        break;
    default:
        SelectBitmap(static_cast<HBITMAP>(object));
        break;
    }
    return previousGoes ? nullptr : previous;
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
    // A saved state holds its objects like a selection does.
    RetainSelected(m_pen);
    RetainSelected(m_brush);
    RetainSelected(m_font);
    m_saved.push_back({m_pen, m_brush, m_font, m_textColor, m_bkColor, m_bkMode, m_origin, m_clip});
    return static_cast<int>(m_saved.size());
}

void CDC::ReleaseState(const State& state)
{
    ReleaseSelected(state.pen);
    ReleaseSelected(state.brush);
    ReleaseSelected(state.font);
}

BOOL CDC::RestoreDC(int saved)
{
    if (saved < 0)
        saved = static_cast<int>(m_saved.size()) + 1 + saved;
    if (saved <= 0 || saved > static_cast<int>(m_saved.size()))
        return FALSE;
    const State state = m_saved[static_cast<size_t>(saved - 1)];
    Reselect(m_pen, state.pen);
    Reselect(m_brush, state.brush);
    Reselect(m_font, state.font);
    for (size_t i = static_cast<size_t>(saved - 1); i < m_saved.size(); ++i)
        ReleaseState(m_saved[i]);
    m_saved.resize(static_cast<size_t>(saved - 1));
    m_textColor = state.textColor;
    m_bkColor = state.bkColor;
    m_bkMode = state.bkMode;
    m_origin = state.origin;
    m_clip = state.clip;
    ApplyState();
    return TRUE;
}

QPainter* CDC::GetPainter() const { return m_painter; }
const QImage* CDC::GetImage() const { return m_image; }

// --- Window DCs ---------------------------------------------------------------------------

void CDC::SelectDefaultObjects()
{
    Reselect(m_pen, static_cast<HPEN>(GetStockObject(BLACK_PEN)));
    Reselect(m_brush, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    Reselect(m_font, static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
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
