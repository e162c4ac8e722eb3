#include "skin/base_scroll_bar.h"

#include "framework/system_api.h"
#include "framework/window_class.h"
#include "skin/geometry/scroll_paint_layout.h"
#include "skin/mouse_tracking.h"

#include <QEventLoop>

namespace vesk {

using namespace skin;

namespace {

constexpr DWORD kVerticalBit = 0x1;

struct SkinNames {
    const char* first;
    const char* second;
    const char* grip;
    const char* thumb;
    const char* track;
};

constexpr SkinNames kVerticalSkins{"Skin\\ScVtUp.bmp", "Skin\\ScVtDown.bmp", "Skin\\ScVtHint.bmp",
                                   "Skin\\ScVtBar.bmp", "Skin\\ScVtBack.bmp"};
constexpr SkinNames kHorizontalSkins{"Skin\\ScHzLeft.bmp", "Skin\\ScHzRigh.bmp", "Skin\\ScHzHint.bmp",
                                     "Skin\\ScHzBar.bmp", "Skin\\ScHzBack.bmp"};

void LoadInto(CBitmap& bitmap, const char* name)
{
    bitmap.DeleteObject();
    bitmap.Attach(LoadBitmapFile(name));
}

Point PointOf(LPARAM lParam) { return Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

} // namespace

CBaseScrollBar::CBaseScrollBar() = default;

CBaseScrollBar::~CBaseScrollBar()
{
    *m_alive = false;
    if (m_dragLoop)
        m_dragLoop->quit();
}

BOOL CBaseScrollBar::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id, CWnd* owner)
{
    if (!RegisterWindowClass("BaseScrollBar"))
        return FALSE;
    m_vertical = (style & kVerticalBit) ? 1 : 0;
    style &= ~kVerticalBit;
    LoadImages(m_vertical != 0);
    m_geometry.clientWidth = rect.right - rect.left;
    m_geometry.clientHeight = rect.bottom - rect.top;
    m_owner = owner ? owner : parent;
    return CWnd::Create("BaseScrollBar", "", style, rect, parent, id);
}

void CBaseScrollBar::LoadImages(bool vertical)
{
    const SkinNames& names = vertical ? kVerticalSkins : kHorizontalSkins;
    LoadInto(m_firstArrow, names.first);
    LoadInto(m_secondArrow, names.second);
    LoadInto(m_grip, names.grip);
    LoadInto(m_thumbStrip, names.thumb);
    LoadInto(m_track, names.track);
    m_trackCache.DeleteObject();
    for (CBitmap& cache : m_thumbCache)
        cache.DeleteObject();
}

BOOL CBaseScrollBar::GetScrollInfo(SCROLLINFO* info, UINT mask) const
{
    info->cbSize = 28;
    info->fMask = mask & (SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS);
    if (mask & SIF_RANGE) {
        info->nMin = m_range.min;
        info->nMax = m_range.max;
    }
    if (mask & SIF_PAGE)
        info->nPage = m_range.page;
    if (mask & SIF_POS)
        info->nPos = m_range.pos;
    if (mask & SIF_TRACKPOS)
        info->nTrackPos = m_reported;
    return TRUE;
}

BOOL CBaseScrollBar::SetScrollInfo(SCROLLINFO* info, BOOL redraw)
{
    ScrollInfoUpdate update;
    update.setRange = (info->fMask & SIF_RANGE) != 0;
    update.setPage = (info->fMask & SIF_PAGE) != 0;
    update.setPos = (info->fMask & SIF_POS) != 0;
    update.min = info->nMin;
    update.max = info->nMax;
    update.page = info->nPage;
    update.pos = info->nPos;
    if (applyScrollInfo(m_range, update))
        Layout();
    else if (update.setPos)
        PlaceThumb(); // the thumb follows a new position at once
    if (redraw)
        InvalidateThumbs(TRUE);
    return TRUE;
}

int CBaseScrollBar::SetScrollPos(int pos, BOOL redraw)
{
    const int old = m_range.pos;
    if (pos == old)
        return old;
    m_range.pos = clampScrollPos(m_range, pos);
    PlaceThumb();
    if (redraw)
        InvalidateThumbs(FALSE);
    return old;
}

BOOL CBaseScrollBar::EnableWindow(BOOL enable)
{
    const BOOL result = CWnd::EnableWindow(enable);
    Invalidate(TRUE);
    return result;
}

void CBaseScrollBar::Layout()
{
    m_previousThumb = m_geometry.thumb;
    m_geometry = layoutScrollBar(m_range, m_vertical != 0, m_geometry.clientWidth, m_geometry.clientHeight);
}

void CBaseScrollBar::PlaceThumb()
{
    m_previousThumb = m_geometry.thumb;
    m_geometry.thumb = placeThumb(m_range, m_geometry);
}

void CBaseScrollBar::InvalidateThumbs(BOOL update)
{
    if (!IsWindow())
        return;
    const RECT both = unionRect(m_geometry.thumb, m_previousThumb);
    InvalidateRect(&both, FALSE);
    if (update)
        UpdateWindow();
}

void CBaseScrollBar::InvalidatePart(const RECT& rect)
{
    if (!isEmpty(rect))
        InvalidateRect(&rect, FALSE);
}

void CBaseScrollBar::Report(UINT code, int pos)
{
    if (m_owner && m_owner->IsWindow())
        m_owner->SendMessage(m_vertical ? WM_VSCROLL : WM_HSCROLL,
                             MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(pos)), 0);
}

LRESULT CBaseScrollBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE: {
        // Read back rather than unpacked from lParam: the client rectangle is
        // what painting and hit testing use.
        RECT client;
        GetClientRect(&client);
        m_geometry.clientWidth = client.right;
        m_geometry.clientHeight = client.bottom;
        Layout();
        RebuildCaches();
        return CWnd::WindowProc(message, wParam, lParam);
    }
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_MOUSEMOVE: {
        const Point p = PointOf(lParam);
        if (m_dragLoop) {
            POINT screen{p.x, p.y};
            ClientToScreen(&screen);
            DragTo(screen);
            return 0;
        }
        OnMouseMove(static_cast<UINT>(wParam), POINT{p.x, p.y});
        return 0;
    }
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return 0;
    case WM_LBUTTONDOWN: {
        const std::shared_ptr<bool> alive = m_alive;
        const Point p = PointOf(lParam);
        OnLButtonDown(POINT{p.x, p.y});
        if (!*alive)
            return 0;
        return CWnd::WindowProc(message, wParam, lParam);
    }
    case WM_LBUTTONUP:
        if (GetCapture() == this)
            ReleaseCapture();
        return CWnd::WindowProc(message, wParam, lParam);
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_CAPTURECHANGED:
        OnCaptureChanged();
        return CWnd::WindowProc(message, wParam, lParam);
    case WM_DESTROY:
        if (m_dragLoop)
            m_dragLoop->quit();
        return CWnd::WindowProc(message, wParam, lParam);
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

void CBaseScrollBar::OnMouseMove(UINT flags, POINT point)
{
    const Point p{point.x, point.y};
    if (flags & MK_LBUTTON) {
        if (m_part == 0 || m_part == 1) {
            const int inside = contains(m_partRect, p) ? 1 : 0;
            if (inside != m_pressed) {
                m_pressed = inside;
                InvalidatePart(m_partRect);
            }
        }
        return;
    }
    if (!m_tracking) {
        skin::RequestMouseLeave(*this);
        m_tracking = 1;
    }
    const ScrollPart part = hitTestScrollBar(m_geometry, p);
    if (part != ScrollPart::None) {
        const Rect& rect = part == ScrollPart::FirstArrow    ? m_geometry.firstArrow
                           : part == ScrollPart::SecondArrow ? m_geometry.secondArrow
                                                             : m_geometry.thumb;
        if (!sameRect(rect, m_partRect)) {
            InvalidatePart(m_partRect);
            m_hot = 1;
            m_part = static_cast<int>(part);
            m_partRect = rect;
            InvalidatePart(m_partRect);
        }
    } else if (m_part != -1) {
        m_hot = 0;
        InvalidatePart(m_partRect);
        m_part = -1;
        m_partRect = {};
    }
}

void CBaseScrollBar::OnMouseLeave()
{
    m_tracking = 0;
    m_hot = 0;
    m_part = -1;
    InvalidatePart(m_partRect);
    m_partRect = {};
}

void CBaseScrollBar::OnLButtonDown(POINT point)
{
    SendMessage(WM_MOUSELEAVE);
    SetCapture();
    const Point p{point.x, point.y};
    switch (hitTestScrollBar(m_geometry, p)) {
    case ScrollPart::FirstArrow:
    case ScrollPart::SecondArrow: {
        const bool first = hitTestScrollBar(m_geometry, p) == ScrollPart::FirstArrow;
        m_part = first ? 0 : 1;
        m_partRect = first ? m_geometry.firstArrow : m_geometry.secondArrow;
        m_pressed = 1;
        InvalidatePart(m_partRect);
        Report(first ? SB_LINEUP : SB_LINEDOWN);
        SetTimer(kDelayTimer, 300);
        break;
    }
    case ScrollPart::Thumb:
        m_part = 2;
        m_pressed = 1;
        m_partRect = m_geometry.thumb;
        m_dragThumb = m_geometry.thumb;
        m_dragStart = point;
        ClientToScreen(&m_dragStart);
        m_dragStartPos = m_range.pos;
        InvalidatePart(m_partRect);
        m_reported = m_range.pos;
        Report(SB_THUMBTRACK, m_reported);
        RunDragLoop();
        break;
    case ScrollPart::None:
        m_pressed = 1;
        m_part = -1;
        m_partRect = {};
        m_pageBackward = along(m_geometry, p) < alongStart(m_geometry, m_geometry.thumb) ? 1 : 0;
        Report(m_pageBackward ? SB_PAGEUP : SB_PAGEDOWN);
        SetTimer(kDelayTimer, 300);
        break;
    }
}

void CBaseScrollBar::RunDragLoop()
{
    if (GetCapture() != this)
        return;
    QEventLoop loop;
    m_dragLoop = &loop;
    const std::shared_ptr<bool> alive = m_alive;
    loop.exec();
    if (*alive)
        m_dragLoop = nullptr;
}

void CBaseScrollBar::DragTo(POINT screen)
{
    m_dragged = 1;
    RECT client;
    GetClientRect(&client);
    ClientToScreen(&client);
    m_previousThumb = m_geometry.thumb;
    if (insideDragBox(client, Point{screen.x, screen.y}, m_vertical != 0)) {
        const int delta = m_vertical ? screen.y - m_dragStart.y : screen.x - m_dragStart.x;
        m_geometry.thumb = draggedThumb(m_geometry, m_dragThumb, delta);
        const int pos = positionFromThumb(m_range, m_geometry, m_geometry.thumb);
        if (pos != m_reported) {
            m_reported = pos;
            Report(SB_THUMBTRACK, pos);
        }
    } else {
        // Far away from the bar the drag is called off: back to the start.
        m_geometry.thumb = m_dragThumb;
        m_reported = m_dragStartPos;
        Report(SB_THUMBTRACK, m_reported);
    }
    InvalidateThumbs(TRUE);
}

void CBaseScrollBar::OnTimer(UINT_PTR id)
{
    if (id == kDelayTimer) {
        KillTimer(kDelayTimer);
        SetTimer(kRepeatTimer, 50);
        return;
    }
    if (id != kRepeatTimer)
        return;
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(&cursor);
    switch (repeatAction(m_geometry, Point{cursor.x, cursor.y}, m_partRect, m_pageBackward != 0)) {
    case ScrollRepeat::LineUp: Report(SB_LINEUP); break;
    case ScrollRepeat::LineDown: Report(SB_LINEDOWN); break;
    case ScrollRepeat::PageUp: Report(SB_PAGEUP); break;
    case ScrollRepeat::PageDown: Report(SB_PAGEDOWN); break;
    case ScrollRepeat::None: break;
    }
}

void CBaseScrollBar::OnCaptureChanged()
{
    const std::shared_ptr<bool> alive = m_alive;
    m_pressed = 0;
    m_dragStart = {};
    InvalidatePart(m_partRect);
    m_partRect = {};
    KillTimer(kDelayTimer);
    KillTimer(kRepeatTimer);
    if (m_part == 2) {
        const int final = m_dragged ? positionFromThumb(m_range, m_geometry, m_geometry.thumb) : m_range.pos;
        m_reported = final;
        m_dragged = 0;
        Report(SB_THUMBPOSITION, final);
        if (!*alive)
            return;
    }
    Report(SB_ENDSCROLL);
    if (!*alive)
        return;
    m_part = -1;
    if (m_dragLoop)
        m_dragLoop->quit();
    InvalidateThumbs(FALSE);
}

} // namespace vesk
