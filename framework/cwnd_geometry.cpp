// CWnd: window and client rectangles, moving, coordinates, window regions.
#include "framework/cwnd.h"

#include "framework/gdi_objects.h"
#include "framework/qt_geometry.h"
#include "framework/window_default.h"
#include "framework/window_internal.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace vesk {

void CWnd::GetWindowRect(RECT* rect) const
{
    if (!rect)
        return;
    if (!m_hWnd) {
        *rect = CRect();
        return;
    }
    const QPoint origin = m_hWnd->isWindow() ? m_hWnd->pos() : m_hWnd->mapToGlobal(QPoint());
    *rect = CRect(origin.x(), origin.y(), origin.x() + m_hWnd->width(), origin.y() + m_hWnd->height());
}

void CWnd::GetClientRect(RECT* rect) const
{
    if (!rect)
        return;
    QWidget* client = ClientWidget();
    *rect = client ? CRect(0, 0, client->width(), client->height()) : CRect();
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint)
{
    if (!m_hWnd)
        return;
    detail::ApplyGeometry(m_hWnd, QRect(x, y, std::max(width, 0), std::max(height, 0)));
    if (repaint)
        m_hWnd->update();
}

void CWnd::MoveWindow(const RECT& rect, BOOL repaint)
{
    MoveWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    if (!m_hWnd)
        return FALSE;
    QRect geometry = m_hWnd->geometry();
    if (!(flags & SWP_NOMOVE))
        geometry.moveTo(x, y);
    if (!(flags & SWP_NOSIZE))
        geometry.setSize(QSize(std::max(cx, 0), std::max(cy, 0)));
    if ((flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE))
        detail::ApplyGeometry(m_hWnd, geometry);
    if (!(flags & SWP_NOZORDER) && insertAfter && insertAfter->m_hWnd && insertAfter->m_hWnd != m_hWnd)
        m_hWnd->stackUnder(insertAfter->m_hWnd);
    if (flags & SWP_SHOWWINDOW)
        m_hWnd->show();
    if (flags & SWP_HIDEWINDOW)
        m_hWnd->hide();
    if (flags & SWP_FRAMECHANGED)
        FrameChanged();
    if (!(flags & SWP_NOREDRAW))
        m_hWnd->update();
    return TRUE;
}

void CWnd::ClientToScreen(POINT* point) const
{
    if (QWidget* client = ClientWidget(); client && point)
        *point = FromQPoint(client->mapToGlobal(ToQPoint(*point)));
}

namespace {

// Moves rect by what mapping its top-left corner moves it.
template <class Map>
void MapRect(RECT* rect, Map&& map)
{
    if (!rect)
        return;
    CPoint topLeft(rect->left, rect->top);
    map(&topLeft);
    CRect r(*rect);
    r.OffsetRect(topLeft.x - rect->left, topLeft.y - rect->top);
    *rect = r;
}

} // namespace

void CWnd::ClientToScreen(RECT* rect) const
{
    MapRect(rect, [this](POINT* p) { ClientToScreen(p); });
}

void CWnd::ScreenToClient(POINT* point) const
{
    if (QWidget* client = ClientWidget(); client && point)
        *point = FromQPoint(client->mapFromGlobal(ToQPoint(*point)));
}

void CWnd::ScreenToClient(RECT* rect) const
{
    MapRect(rect, [this](POINT* p) { ScreenToClient(p); });
}

void CWnd::CenterWindow(CWnd* alternateOwner)
{
    if (!m_hWnd)
        return;
    CRect area;
    CWnd* owner = alternateOwner ? alternateOwner : GetOwner();
    if (owner && owner->m_hWnd)
        owner->GetWindowRect(&area);
    else
        area = FromQRect(QApplication::primaryScreen() ? QApplication::primaryScreen()->availableGeometry()
                                                       : QRect(0, 0, 1024, 768));
    CRect window;
    GetWindowRect(&window);
    int x = area.left + (area.Width() - window.Width()) / 2;
    int y = area.top + (area.Height() - window.Height()) / 2;
    if (!m_hWnd->isWindow()) {
        CPoint p(x, y);
        if (CWnd* parent = GetParent())
            parent->ScreenToClient(&p);
        x = p.x;
        y = p.y;
    }
    MoveWindow(x, y, window.Width(), window.Height());
}

int CWnd::SetWindowRgn(HRGN region, BOOL redraw)
{
    if (!m_hWnd)
        return 0;
    if (region)
        m_hWnd->setMask(region->region);
    else
        m_hWnd->clearMask();
    if (redraw)
        m_hWnd->update();
    return 1;
}

int CWnd::GetWindowRgn(HRGN region) const
{
    if (!m_hWnd || !region || m_hWnd->mask().isEmpty())
        return RGN_ERROR;
    region->region = m_hWnd->mask();
    return region->region.rectCount() > 1 ? COMPLEXREGION : SIMPLEREGION;
}

} // namespace vesk
