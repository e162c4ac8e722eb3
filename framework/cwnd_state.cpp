// CWnd: showing, enabling, painting, focus and device contexts.
#include "framework/cwnd.h"

#include "framework/cdc.h"
#include "framework/gdi_objects.h"
#include "framework/qt_geometry.h"
#include "framework/window_internal.h"

#include <QApplication>
#include <QWidget>

namespace vesk {

BOOL CWnd::ShowWindow(int command)
{
    if (!m_hWnd)
        return FALSE;
    const BOOL wasVisible = !m_hWnd->isHidden();
    switch (command) {
    case SW_HIDE: m_hWnd->hide(); break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE: m_hWnd->showMinimized(); break;
    case SW_SHOWMAXIMIZED: m_hWnd->showMaximized(); break;
    case SW_RESTORE: m_hWnd->showNormal(); break;
    default:
        m_hWnd->show();
        if (command == SW_SHOW || command == SW_SHOWNORMAL)
            m_hWnd->raise();
        break;
    }
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const { return m_hWnd && m_hWnd->isVisible(); }

BOOL CWnd::EnableWindow(BOOL enable)
{
    if (!m_hWnd)
        return FALSE;
    const BOOL wasDisabled = !m_hWnd->isEnabled();
    m_hWnd->setEnabled(enable != FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const { return m_hWnd && m_hWnd->isEnabled(); }
BOOL CWnd::IsIconic() const { return m_hWnd && m_hWnd->isMinimized(); }
BOOL CWnd::IsZoomed() const { return m_hWnd && m_hWnd->isMaximized(); }

void CWnd::Invalidate(BOOL erase)
{
    if (QWidget* client = ClientWidget())
        client->update();
}

void CWnd::InvalidateRect(const RECT* rect, BOOL erase)
{
    QWidget* client = ClientWidget();
    if (!client)
        return;
    if (rect)
        client->update(ToQRect(*rect));
    else
        client->update();
}

void CWnd::UpdateWindow()
{
    // Inside its own painting the window is being brought up to date already.
    QWidget* client = ClientWidget();
    if (client && client->isVisible() && !detail::IsPainting(client))
        client->repaint();
}

BOOL CWnd::RedrawWindow(const RECT* rect, HRGN region, UINT flags)
{
    if (!m_hWnd)
        return FALSE;
    if (flags & RDW_FRAME)
        m_hWnd->update();
    if (flags & RDW_INVALIDATE) {
        if (region)
            ClientWidget()->update(region->region);
        else
            InvalidateRect(rect, (flags & RDW_ERASE) != 0);
    }
    if (flags & RDW_UPDATENOW)
        UpdateWindow();
    return TRUE;
}

CWnd* CWnd::SetFocus()
{
    CWnd* previous = GetFocus();
    if (QWidget* client = ClientWidget()) {
        QWidget* target = m_hWnd->focusPolicy() != Qt::NoFocus ? m_hWnd : client;
        target->setFocus(Qt::OtherFocusReason);
    }
    return previous;
}

CWnd* CWnd::GetFocus() { return FromHandle(vesk::GetFocus()); }

HWND GetFocus()
{
    QWidget* focus = QApplication::focusWidget();
    // The focus may sit in a part of a control (a combo box's line edit).
    while (focus && !detail::IsFrameworkWidget(focus) && !detail::Lookup(focus))
        focus = focus->parentWidget();
    return focus ? detail::WindowOf(focus) : nullptr;
}

CWnd* CWnd::GetActiveWindow() { return FromHandle(QApplication::activeWindow()); }

BOOL CWnd::BringWindowToTop()
{
    if (!m_hWnd)
        return FALSE;
    m_hWnd->raise();
    if (m_hWnd->isWindow())
        m_hWnd->activateWindow();
    return TRUE;
}

CDC* CWnd::GetDC() { return new CClientDC(this); }
CDC* CWnd::GetWindowDC() { return new CWindowDC(this); }

int CWnd::ReleaseDC(CDC* dc)
{
    delete dc;
    return 1;
}

} // namespace vesk
