// CWnd: styles, relations, text, geometry, visibility and painting.
#include "framework/cwnd.h"

#include "framework/cdc.h"
#include "framework/gdi_objects.h"
#include "framework/interaction.h"
#include "framework/qt_geometry.h"
#include "framework/window_class.h"
#include "framework/window_default.h"
#include "framework/window_hook.h"
#include "framework/window_internal.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QScreen>
#include <QScrollBar>
#include <QWidget>

#include <string>

namespace vesk {

// --- Styles and identity ------------------------------------------------------------

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

// --- Relations -------------------------------------------------------------------------

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

// --- Text ------------------------------------------------------------------------------

void CWnd::SetWindowText(const CString& text) { SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())); }

CString CWnd::GetWindowText() const
{
    auto* self = const_cast<CWnd*>(this);
    const auto length = static_cast<size_t>(self->SendMessage(WM_GETTEXTLENGTH));
    std::string text(length + 1, '\0');
    const auto copied = static_cast<size_t>(self->SendMessage(WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min(copied, length));
    return text;
}

int CWnd::GetWindowTextLength() const { return static_cast<int>(const_cast<CWnd*>(this)->SendMessage(WM_GETTEXTLENGTH)); }

void CWnd::SetDlgItemText(int id, const CString& text)
{
    if (CWnd* item = GetDlgItem(id))
        item->SetWindowText(text);
}

CString CWnd::GetDlgItemText(int id) const
{
    CWnd* item = GetDlgItem(id);
    return item ? item->GetWindowText() : CString();
}

void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned)
{
    SetDlgItemText(id, isSigned ? std::to_string(static_cast<int>(value)) : std::to_string(value));
}

UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const
{
    const CString text = GetDlgItemText(id);
    try {
        size_t used = 0;
        const long long value = std::stoll(text, &used);
        const bool ok = used > 0 && (isSigned || value >= 0);
        if (translated)
            *translated = ok ? TRUE : FALSE;
        return ok ? static_cast<UINT>(value) : 0;
    } catch (const std::exception&) {
        if (translated)
            *translated = FALSE;
        return 0;
    }
}

void CWnd::CheckDlgButton(int id, UINT check)
{
    if (CWnd* item = GetDlgItem(id))
        item->SendMessage(BM_SETCHECK, check);
}

UINT CWnd::IsDlgButtonChecked(int id) const
{
    CWnd* item = GetDlgItem(id);
    return item ? static_cast<UINT>(item->SendMessage(BM_GETCHECK)) : 0;
}

void CWnd::SetFont(CFont* font, BOOL redraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? static_cast<HFONT>(*font) : nullptr), redraw);
}

CFont* CWnd::GetFont() const
{
    return CFont::FromHandle(reinterpret_cast<HFONT>(const_cast<CWnd*>(this)->SendMessage(WM_GETFONT)));
}

// --- Geometry --------------------------------------------------------------------------

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

// --- Visibility, state, painting ---------------------------------------------------------

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
    if (QWidget* client = ClientWidget(); client && client->isVisible())
        client->repaint(client->visibleRegion().isEmpty() ? QRegion() : QRegion(client->rect()));
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

// --- Timers and scroll bars ----------------------------------------------------------------

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, void*)
{
    if (!m_hWnd)
        return 0;
    if (!m_hook)
        return 0; // only windows whose messages the framework routes get timers
    return m_hook->SetTimer(id, elapse);
}

BOOL CWnd::KillTimer(UINT_PTR id) { return m_hook && m_hook->KillTimer(id); }

namespace {

QScrollBar* BarOf(QWidget* widget, int bar)
{
    auto* area = qobject_cast<QAbstractScrollArea*>(widget);
    if (!area)
        return nullptr;
    return bar == SB_VERT ? area->verticalScrollBar() : area->horizontalScrollBar();
}

} // namespace

BOOL CWnd::GetScrollInfo(int bar, SCROLLINFO* info, UINT mask) const
{
    QScrollBar* scroll = BarOf(m_hWnd, bar);
    if (!scroll || !info)
        return FALSE;
    info->fMask = mask;
    info->nMin = scroll->minimum();
    info->nPage = static_cast<UINT>(scroll->pageStep());
    // The range covers the last page, as the system's scroll bars count.
    info->nMax = scroll->maximum() + scroll->pageStep() - 1;
    info->nPos = scroll->value();
    info->nTrackPos = scroll->sliderPosition();
    return TRUE;
}

BOOL CWnd::SetScrollInfo(int bar, SCROLLINFO* info, BOOL redraw)
{
    QScrollBar* scroll = BarOf(m_hWnd, bar);
    if (!scroll || !info)
        return FALSE;
    if (info->fMask & SIF_PAGE)
        scroll->setPageStep(static_cast<int>(info->nPage));
    if (info->fMask & SIF_RANGE)
        scroll->setRange(info->nMin, std::max(info->nMin, info->nMax - std::max(scroll->pageStep(), 1) + 1));
    if (info->fMask & SIF_POS)
        scroll->setValue(info->nPos);
    return TRUE;
}

int CWnd::GetScrollPos(int bar) const
{
    QScrollBar* scroll = BarOf(m_hWnd, bar);
    return scroll ? scroll->value() : 0;
}

int CWnd::SetScrollPos(int bar, int pos, BOOL redraw)
{
    QScrollBar* scroll = BarOf(m_hWnd, bar);
    if (!scroll)
        return 0;
    const int old = scroll->value();
    scroll->setValue(pos);
    return old;
}

int CWnd::MessageBox(const CString& text, const CString& caption, UINT type)
{
    MessageBoxRequest request;
    request.parent = m_hWnd;
    request.text = text;
    request.caption = caption;
    request.type = type;
    return Interaction().MessageBox(request);
}

BOOL TrackMouseEvent(TRACKMOUSEEVENT* request)
{
    if (!request || !request->hwndTrack)
        return FALSE;
    CWnd* wnd = CWnd::FromHandlePermanent(request->hwndTrack);
    WindowHook* hook = wnd ? detail::WindowAccess::HookOf(wnd) : nullptr;
    if (!hook)
        return FALSE;
    hook->TrackLeave((request->dwFlags & TME_CANCEL) == 0 && (request->dwFlags & TME_LEAVE) != 0);
    return TRUE;
}

} // namespace vesk
