// CWnd: attaching to widgets, creating and destroying windows.
#include "framework/cwnd.h"

#include "framework/qt_geometry.h"
#include "framework/system_api.h"
#include "framework/window_class.h"
#include "framework/window_default.h"
#include "framework/window_hook.h"
#include "framework/window_internal.h"

#include <QWidget>

namespace vesk {

CWnd::CWnd() = default;

CWnd::~CWnd()
{
    *m_alive = false;
    if (m_wrapper || !m_hWnd)
        return;
    if (m_ownsWidget)
        DestroyWindow();
    else
        UnsubclassWindow();
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    if (!hwnd)
        return nullptr;
    if (CWnd* wnd = detail::Lookup(hwnd))
        return wnd;
    QWidget* window = detail::WindowOf(hwnd);
    detail::MarkLive(window);
    return detail::WrapperFor(window);
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd)
{
    CWnd* wnd = detail::Lookup(hwnd);
    return (wnd && !wnd->m_wrapper) ? wnd : nullptr;
}

QWidget* CWnd::ClientWidget() const { return detail::ClientOf(m_hWnd); }

void CWnd::AttachWidget(HWND hwnd, bool route, bool owns)
{
    m_hWnd = hwnd;
    m_ownsWidget = owns;
    detail::Register(hwnd, this);
    if (route)
        m_hook = std::make_unique<WindowHook>(this, hwnd);
}

void CWnd::ReleaseWidget()
{
    if (!m_hWnd)
        return;
    m_hook.reset();
    detail::Unregister(m_hWnd, this);
    m_hWnd = nullptr;
    m_ownsWidget = false;
}

BOOL CWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CreateEx(0, className, windowName, style, rect, parent, id);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect,
                    CWnd* parent, UINT id)
{
    if (m_hWnd)
        return FALSE;
    InstallFontSubstitutions();
    const WindowClass* windowClass = FindWindowClass(className ? className : "");
    if (!windowClass)
        return FALSE;
    WindowCreateParams params;
    params.style = style;
    params.exStyle = exStyle;
    params.text = windowName ? windowName : "";
    const bool child = (style & WS_CHILD) != 0;
    QWidget* window = nullptr;
    if (child) {
        if (!parent || !parent->m_hWnd)
            return FALSE;
        params.parent = parent->ClientWidget();
        window = detail::MakeWidget(*windowClass, params);
    } else {
        window = detail::MakeFrame(*windowClass, params, parent ? parent->m_hWnd : nullptr);
    }
    if (!window)
        return FALSE;
    detail::StoreStyle(window, style);
    detail::StoreExStyle(window, exStyle);
    detail::StoreId(window, child ? static_cast<int>(id) : 0);
    if (!child && parent)
        detail::StoreOwner(window, parent->m_hWnd);
    AttachWidget(window, true, true);
    if (WindowProc(WM_CREATE, 0, 0) == -1) {
        DestroyWindow();
        return FALSE;
    }
    if (!m_hWnd)
        return FALSE;
    detail::ApplyGeometry(window, ToQRect(rect));
    if (windowName && *windowName)
        SetWindowText(windowName);
    if (style & WS_DISABLED)
        window->setEnabled(false);
    if (style & WS_VISIBLE)
        window->show();
    return TRUE;
}

BOOL CWnd::SubclassWindow(HWND hwnd)
{
    if (!hwnd || m_hWnd || FromHandlePermanent(hwnd))
        return FALSE;
    AttachWidget(detail::WindowOf(hwnd), true, false);
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    if (!parent)
        return FALSE;
    return SubclassWindow(vesk::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow()
{
    HWND hwnd = m_hWnd;
    ReleaseWidget();
    return hwnd;
}

BOOL CWnd::Attach(HWND hwnd)
{
    if (!hwnd || m_hWnd || FromHandlePermanent(hwnd))
        return FALSE;
    AttachWidget(detail::WindowOf(hwnd), false, false);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hwnd = m_hWnd;
    ReleaseWidget();
    return hwnd;
}

BOOL CWnd::DestroyWindow()
{
    QWidget* window = m_hWnd;
    if (!window)
        return FALSE;
    if (!detail::IsFrameworkWidget(window)) {
        // Not ours to delete (a host widget): only let go of it.
        ReleaseWidget();
        return TRUE;
    }
    detail::DestroyTree(window);
    window->hide();
    // Deleting a widget inside its own event delivery would pull it from
    // under Qt; while messages are being handled, Qt deletes it later.
    if (detail::HandlingMessages())
        window->deleteLater();
    else
        delete window;
    return TRUE;
}

BOOL CWnd::IsWindow() const { return vesk::IsWindow(m_hWnd); }

} // namespace vesk
