// CWnd: sending, posting and routing messages, handlers and default handling.
#include "framework/cwnd.h"

#include "framework/cdc.h"
#include "framework/internal_error.h"
#include "framework/window_class.h"
#include "framework/window_default.h"
#include "framework/window_hook.h"
#include "framework/window_internal.h"
#include "framework/window_message_event.h"

#include <QCoreApplication>
#include <QWidget>

#include <cstdio>
#include <vector>

namespace vesk {

namespace {

// Messages being handled by any window, innermost last.
std::vector<MSG>& MessageStack()
{
    static std::vector<MSG> stack;
    return stack;
}

struct StackEntry {
    StackEntry(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        MSG msg;
        msg.hwnd = hwnd;
        msg.message = message;
        msg.wParam = wParam;
        msg.lParam = lParam;
        MessageStack().push_back(msg);
    }
    ~StackEntry() { MessageStack().pop_back(); }
};

// A handler that throws ends its own message, not the program.
template <class Work>
LRESULT Guarded(UINT message, Work&& work) noexcept
{
    try {
        return work();
    } catch (...) {
        char where[32];
        std::snprintf(where, sizeof where, "消息 0x%04X", message);
        ReportCurrentException(where);
        return 0;
    }
}

bool IsNonClientMessage(UINT message)
{
    return message == WM_NCPAINT || (message >= WM_NCMOUSEMOVE && message <= WM_NCRBUTTONUP);
}

} // namespace

namespace detail {

bool HandlingMessages() { return !MessageStack().empty(); }

} // namespace detail

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_hWnd)
        return 0;
    StackEntry entry(m_hWnd, message, wParam, lParam);
    return Guarded(message, [&] { return WindowProc(message, wParam, lParam); });
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return vesk::PostMessage(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, QObject* target, QEvent* event,
                       bool* defaulted, bool deferQt)
{
    std::shared_ptr<bool> alive = m_alive;
    m_pendingEvents.push_back({message, wParam, lParam, target, event, false, deferQt});
    StackEntry entry(m_hWnd, message, wParam, lParam);
    const LRESULT result = Guarded(message, [&] { return WindowProc(message, wParam, lParam); });
    if (!*alive) {
        *defaulted = false;
        return result;
    }
    *defaulted = m_pendingEvents.back().defaulted;
    m_pendingEvents.pop_back();
    return result;
}

CWnd::PendingEvent* CWnd::FindPendingEvent(UINT message, WPARAM wParam, LPARAM lParam)
{
    for (auto it = m_pendingEvents.rbegin(); it != m_pendingEvents.rend(); ++it) {
        if (it->message == message && it->event && !it->defaulted)
            return &*it;
    }
    return nullptr;
}

const MSG* CWnd::GetCurrentMessage()
{
    return MessageStack().empty() ? nullptr : &MessageStack().back();
}

LRESULT CWnd::Default()
{
    const MSG* current = nullptr;
    for (auto it = MessageStack().rbegin(); it != MessageStack().rend(); ++it) {
        if (it->hwnd == m_hWnd) {
            current = &*it;
            break;
        }
    }
    if (!current)
        return 0;
    const MSG msg = *current;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (auto it = m_messageHandlers.find(message); it != m_messageHandlers.end())
        return it->second(wParam, lParam);
    LRESULT result = 0;
    switch (message) {
    case WM_COMMAND:
        if (OnCommand(wParam, lParam))
            return 0;
        break;
    case WM_NOTIFY:
        if (OnNotify(wParam, lParam, &result))
            return result;
        break;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        if (item && item->CtlType != ODT_MENU) {
            if (CWnd* child = FromHandlePermanent(item->hwndItem);
                child && child->OnChildNotify(message, wParam, lParam, &result))
                return result;
        }
        break;
    }
    case WM_MEASUREITEM: {
        auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        if (item && item->CtlType != ODT_MENU) {
            if (CWnd* child = FromHandlePermanent(vesk::GetDlgItem(m_hWnd, static_cast<int>(item->CtlID)));
                child && child->OnChildNotify(message, wParam, lParam, &result))
                return result;
        }
        break;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR:
    case WM_HSCROLL:
    case WM_VSCROLL: {
        auto* control = reinterpret_cast<HWND>(lParam);
        if (CWnd* child = FromHandlePermanent(control);
            child && child != this && child->OnChildNotify(message, wParam, lParam, &result))
            return result;
        break;
    }
    default:
        break;
    }
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_hWnd)
        return 0;
    if (message == WM_PAINT && wParam != 0) {
        RenderDefaultInto(reinterpret_cast<CDC*>(wParam));
        return 0;
    }
    PendingEvent* pending = FindPendingEvent(message, wParam, lParam);
    if (pending && pending->deferQt) {
        pending->defaulted = true;
        return 0;
    }
    if (const WindowClass* windowClass = FindWindowClass(WindowClassOf(m_hWnd)); windowClass && windowClass->proc) {
        LRESULT result = 0;
        if (windowClass->proc(m_hWnd, message, wParam, lParam, &result))
            return result;
    }
    if (pending) {
        // Let Qt process the event this message was made from. The record
        // may move while Qt runs nested messages, so it is marked first.
        pending->defaulted = true;
        // The emulated frame of a top-level window is ours, not Qt's.
        if (detail::HasFrame(m_hWnd) && IsNonClientMessage(message))
            return detail::GenericDefault(this, message, wParam, lParam);
        detail::DeliverToQt(pending->target, pending->event);
        return 0;
    }
    return detail::GenericDefault(this, message, wParam, lParam);
}

void CWnd::RenderDefaultInto(CDC* dc)
{
    QWidget* client = ClientWidget();
    QPainter* painter = dc ? dc->GetPainter() : nullptr;
    if (!client || !painter)
        return;
    // The control's own look; its paint event must not come back here. Qt
    // takes a render inside the widget's own paint event for a recursive
    // repaint, so that state is set aside meanwhile.
    const bool painting = client->testAttribute(Qt::WA_WState_InPaintEvent);
    client->setAttribute(Qt::WA_WState_InPaintEvent, false);
    if (m_hook)
        m_hook->SetRenderingDefault(true);
    client->render(painter, QPoint(), QRegion(), QWidget::DrawChildren);
    if (m_hook)
        m_hook->SetRenderingDefault(false);
    client->setAttribute(Qt::WA_WState_InPaintEvent, painting);
}

void CWnd::HandleMessage(UINT message, MessageHandler handler) { m_messageHandlers[message] = std::move(handler); }

void CWnd::HandleCommand(UINT id, UINT code, CommandHandler handler)
{
    m_commandHandlers[{id, code}] = std::move(handler);
}

void CWnd::HandleCommandRange(UINT firstId, UINT lastId, UINT code, std::function<void(UINT)> handler)
{
    m_commandRanges.push_back({firstId, lastId, code, std::move(handler)});
}

void CWnd::HandleNotify(UINT id, UINT code, NotifyHandler handler) { m_notifyHandlers[{id, code}] = std::move(handler); }

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (auto* control = reinterpret_cast<HWND>(lParam)) {
        if (CWnd* child = FromHandlePermanent(control);
            child && child != this && child->OnChildNotify(WM_COMMAND, wParam, lParam, &result))
            return TRUE;
    }
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (auto it = m_commandHandlers.find({id, code}); it != m_commandHandlers.end()) {
        // Copy: the handler may replace itself.
        CommandHandler handler = it->second;
        handler();
        return TRUE;
    }
    for (const CommandRange& range : m_commandRanges) {
        if (id >= range.first && id <= range.last && code == range.code) {
            auto handler = range.handler;
            handler(id);
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (!header)
        return FALSE;
    if (CWnd* child = FromHandlePermanent(header->hwndFrom);
        child && child != this && child->OnChildNotify(WM_NOTIFY, wParam, lParam, result))
        return TRUE;
    if (auto it = m_notifyHandlers.find({static_cast<UINT>(header->idFrom), header->code});
        it != m_notifyHandlers.end()) {
        NotifyHandler handler = it->second;
        *result = handler(header);
        return TRUE;
    }
    return FALSE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) { return FALSE; }

BOOL CWnd::PreTranslateMessage(MSG* msg) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND stop, MSG* msg)
{
    for (QWidget* widget = msg->hwnd ? detail::WindowOf(msg->hwnd) : nullptr; widget && widget != stop;) {
        if (CWnd* wnd = FromHandlePermanent(widget); wnd && wnd->PreTranslateMessage(msg))
            return TRUE;
        if (widget->isWindow())
            break;
        widget = widget->parentWidget() ? detail::WindowOf(widget->parentWidget()) : nullptr;
    }
    return FALSE;
}

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!hwnd)
        return 0;
    if (CWnd* wnd = detail::Lookup(hwnd))
        return wnd->SendMessage(message, wParam, lParam);
    if (detail::IsFrameworkWidget(hwnd))
        return CWnd::FromHandle(hwnd)->SendMessage(message, wParam, lParam);
    WindowMessageEvent event(message, wParam, lParam);
    QCoreApplication::sendEvent(hwnd, &event);
    return event.result;
}

BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!hwnd)
        return FALSE;
    auto* event = new WindowMessageEvent(message, wParam, lParam);
    event->posted = true;
    QCoreApplication::postEvent(detail::WindowOf(hwnd), event);
    return TRUE;
}

} // namespace vesk

namespace vesk {

LRESULT NotifyParent(HWND from, UINT code, NMHDR* header)
{
    QWidget* parent = from && header ? detail::ParentWindowOf(from) : nullptr;
    if (!parent)
        return 0;
    header->hwndFrom = from;
    header->idFrom = static_cast<UINT_PTR>(detail::IdOf(from));
    header->code = code;
    return SendMessage(parent, WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header));
}

LRESULT NotifyParent(HWND from, UINT code, NMLISTVIEW* record)
{
    return NotifyParent(from, code, record ? reinterpret_cast<NMHDR*>(&record->hdr) : nullptr);
}

LRESULT NotifyParent(HWND from, UINT code, NMITEMACTIVATE* record)
{
    return NotifyParent(from, code, record ? reinterpret_cast<NMHDR*>(&record->hdr) : nullptr);
}

} // namespace vesk
