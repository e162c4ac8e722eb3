// CWnd: styles, ids and relations between windows; handles of children.
#include "framework/cwnd.h"

#include "framework/window_class.h"
#include "framework/window_default.h"
#include "framework/window_hook.h"
#include "framework/window_internal.h"

#include <QWidget>

namespace vesk {

DWORD CWnd::GetStyle() const
{
    if (!m_hWnd)
        return 0;
    DWORD style = detail::StyleOf(m_hWnd);
    // Visibility and enabling live in the widget.
    style = m_hWnd->isVisible() || !m_hWnd->isHidden() ? (style | WS_VISIBLE) : (style & ~WS_VISIBLE);
    style = m_hWnd->isEnabled() ? (style & ~WS_DISABLED) : (style | WS_DISABLED);
    return style;
}

DWORD CWnd::GetExStyle() const { return m_hWnd ? detail::ExStyleOf(m_hWnd) : 0; }

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags)
{
    if (!m_hWnd)
        return FALSE;
    const DWORD old = detail::StyleOf(m_hWnd);
    const DWORD style = (old & ~remove) | add;
    if (style == old)
        return FALSE;
    detail::StoreStyle(m_hWnd, style);
    SendMessage(WM_STYLECHANGED, static_cast<WPARAM>(-16), static_cast<LPARAM>(style));
    if (swpFlags & SWP_FRAMECHANGED)
        FrameChanged();
    return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags)
{
    if (!m_hWnd)
        return FALSE;
    const DWORD old = detail::ExStyleOf(m_hWnd);
    const DWORD style = (old & ~remove) | add;
    if (style == old)
        return FALSE;
    detail::StoreExStyle(m_hWnd, style);
    SendMessage(WM_STYLECHANGED, static_cast<WPARAM>(-20), static_cast<LPARAM>(style));
    return TRUE;
}

void CWnd::FrameChanged()
{
    // New non-client metrics: place the client again and repaint the frame.
    if (m_hook && detail::HasFrame(m_hWnd))
        m_hook->LayoutClient();
    m_hWnd->update();
}

int CWnd::GetDlgCtrlID() const { return m_hWnd ? detail::IdOf(m_hWnd) : 0; }

int CWnd::SetDlgCtrlID(int id)
{
    const int old = GetDlgCtrlID();
    if (m_hWnd)
        detail::StoreId(m_hWnd, id);
    return old;
}

CString CWnd::GetClassName() const
{
    const std::string name = WindowClassOf(m_hWnd);
    return name == "#" ? CString() : name;
}

CWnd* CWnd::GetParent() const { return FromHandle(vesk::GetParent(m_hWnd)); }

CWnd* CWnd::SetParent(CWnd* newParent)
{
    CWnd* old = GetParent();
    if (m_hWnd && newParent && newParent->m_hWnd) {
        const bool visible = !m_hWnd->isHidden();
        m_hWnd->setParent(newParent->ClientWidget());
        m_hWnd->setVisible(visible);
    }
    return old;
}

CWnd* CWnd::GetOwner() const
{
    if (QWidget* owner = detail::OwnerOf(m_hWnd))
        return FromHandle(owner);
    return GetParent();
}

void CWnd::SetOwner(CWnd* owner)
{
    if (m_hWnd)
        detail::StoreOwner(m_hWnd, owner ? owner->m_hWnd : nullptr);
}

CWnd* CWnd::GetTopLevelParent() const
{
    return m_hWnd ? FromHandle(detail::WindowOf(m_hWnd->window())) : nullptr;
}

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(vesk::GetDlgItem(m_hWnd, id)); }

std::vector<CWnd*> CWnd::GetChildren() const
{
    std::vector<CWnd*> children;
    if (QWidget* client = ClientWidget()) {
        for (QObject* object : client->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child && !child->isWindow() && detail::IsFrameworkWidget(child))
                children.push_back(FromHandle(child));
        }
    }
    return children;
}

CWnd* CWnd::GetWindow(UINT relation) const
{
    if (!m_hWnd)
        return nullptr;
    if (relation == GW_OWNER)
        return detail::OwnerOf(m_hWnd) ? FromHandle(detail::OwnerOf(m_hWnd)) : nullptr;
    if (relation == GW_CHILD) {
        const auto children = GetChildren();
        return children.empty() ? nullptr : children.front();
    }
    CWnd* parent = GetParent();
    if (!parent)
        return nullptr;
    const auto siblings = parent->GetChildren();
    for (size_t i = 0; i < siblings.size(); ++i) {
        if (siblings[i]->m_hWnd != m_hWnd)
            continue;
        if (relation == GW_HWNDNEXT)
            return i + 1 < siblings.size() ? siblings[i + 1] : nullptr;
        if (relation == GW_HWNDPREV)
            return i > 0 ? siblings[i - 1] : nullptr;
    }
    return nullptr;
}

BOOL IsWindow(HWND hwnd) { return detail::IsLive(hwnd) ? TRUE : FALSE; }

HWND GetParent(HWND hwnd) { return detail::ParentWindowOf(hwnd); }

HWND GetDlgItem(HWND hwnd, int id)
{
    QWidget* client = detail::ClientOf(hwnd);
    if (!client)
        return nullptr;
    // Child windows only, as the system finds them: a window's own children
    // are not searched, but Qt's inner widgets (a viewport) belong to hwnd.
    std::vector<QWidget*> pending{client};
    while (!pending.empty()) {
        QWidget* w = pending.back();
        pending.pop_back();
        for (QObject* object : w->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (!child || child->isWindow() || detail::IsFrameClient(child))
                continue;
            if (detail::IsFrameworkWidget(child)) {
                if (detail::IdOf(child) == id)
                    return child;
            } else {
                pending.push_back(child);
            }
        }
    }
    return nullptr;
}

} // namespace vesk
