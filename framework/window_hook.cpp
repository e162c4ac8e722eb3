// Events of a subclassed window turned into messages.
#include "framework/window_hook.h"

#include "framework/cwnd.h"
#include "framework/input_translation.h"
#include "framework/qt_geometry.h"
#include "framework/system_internal.h"
#include "framework/window_internal.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QTimerEvent>
#include <QWheelEvent>
#include <QWidget>

namespace vesk {

WindowHook::WindowHook(CWnd* wnd, QWidget* window) : m_wnd(wnd), m_window(window)
{
    Reinstall();
}

WindowHook::~WindowHook()
{
    if (m_window)
        m_window->removeEventFilter(this);
    if (m_client && m_client != m_window)
        m_client->removeEventFilter(this);
}

void WindowHook::Reinstall()
{
    if (m_client && m_client != m_window)
        m_client->removeEventFilter(this);
    m_client = detail::ClientOf(m_window);
    // Windows hear every mouse move, not only those with a button down.
    if (m_window) {
        m_window->installEventFilter(this);
        m_window->setMouseTracking(true);
    }
    if (m_client && m_client != m_window) {
        m_client->installEventFilter(this);
        m_client->setMouseTracking(true);
    }
}

UINT_PTR WindowHook::SetTimer(UINT_PTR id, UINT elapse)
{
    KillTimer(id);
    const int qtId = startTimer(static_cast<int>(elapse), Qt::PreciseTimer);
    if (qtId == 0)
        return 0;
    m_timers[id] = qtId;
    return id;
}

bool WindowHook::KillTimer(UINT_PTR id)
{
    auto it = m_timers.find(id);
    if (it == m_timers.end())
        return false;
    killTimer(it->second);
    m_timers.erase(it);
    return true;
}

void WindowHook::timerEvent(QTimerEvent* event)
{
    for (const auto& [id, qtId] : m_timers) {
        if (qtId == event->timerId()) {
            m_wnd->SendMessage(WM_TIMER, id, 0);
            return;
        }
    }
}

void WindowHook::BeginFrameMove(const QPoint& globalPos)
{
    m_moving = true;
    m_moveStart = globalPos;
    m_moveOrigin = m_window ? m_window->pos() : QPoint();
}

LRESULT WindowHook::Send(UINT message, WPARAM wParam, LPARAM lParam, QObject* target, QEvent* event,
                         bool* defaulted, bool deferQt)
{
    bool local = false;
    return m_wnd->Dispatch(message, wParam, lParam, target, event, defaulted ? defaulted : &local, deferQt);
}

bool WindowHook::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = static_cast<QWidget*>(watched);
    if (!m_window || !m_wnd->m_hWnd)
        return false;
    if (widget == m_window && m_client != m_window && detail::HasFrame(m_window))
        return FrameEvent(widget, event);
    if (widget == m_client)
        return ClientEvent(widget, event);
    return CommonEvent(widget, event);
}

bool WindowHook::ClientEvent(QWidget* widget, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Paint: {
        if (m_renderingDefault)
            return false;
        const QPointer<WindowHook> alive(this);
        Send(WM_PAINT, 0, 0, widget, event);
        // A window without a separate frame paints its border after its client.
        if (alive && widget == m_window && m_window && detail::IsPainting(m_window))
            Send(WM_NCPAINT, 1, 0, widget, nullptr);
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return MouseEvent(widget, event, false);
    case QEvent::Wheel: {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const QPoint global = wheel->globalPosition().toPoint();
        detail::NoteCursor(global);
        Send(WM_MOUSEWHEEL, WheelWParam(wheel), MakePointLParam(global.x(), global.y()), widget, event);
        event->accept();
        return true;
    }
    default:
        return CommonEvent(widget, event);
    }
}

bool WindowHook::MouseEvent(QWidget* widget, QEvent* event, bool nonClient)
{
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint global = mouse->globalPosition().toPoint();
    detail::NoteCursor(global);
    detail::NoteButtons(mouse->buttons());
    if (!nonClient) {
        const UINT message = ClientMouseMessage(mouse);
        if (message == 0)
            return false;
        const QPoint local = mouse->position().toPoint();
        Send(message, MouseKeyFlags(mouse->buttons(), mouse->modifiers()), MakePointLParam(local.x(), local.y()),
             widget, event);
        event->accept();
        return true;
    }
    if (m_moving) {
        if (event->type() == QEvent::MouseMove && m_window)
            m_window->move(m_moveOrigin + (global - m_moveStart));
        else if (event->type() == QEvent::MouseButtonRelease)
            m_moving = false;
        return true;
    }
    const LPARAM point = MakePointLParam(global.x(), global.y());
    const QPointer<WindowHook> alive(this);
    const LRESULT hit = Send(WM_NCHITTEST, 0, point, widget, nullptr);
    const UINT message = NonClientMouseMessage(mouse);
    if (alive && message != 0)
        Send(message, static_cast<WPARAM>(hit), point, widget, event);
    event->accept();
    return true;
}

bool WindowHook::KeyEvent(QWidget* widget, QEvent* event)
{
    auto* key = static_cast<QKeyEvent*>(event);
    detail::NoteModifiers(key->modifiers());
    const WPARAM vk = static_cast<WPARAM>(VirtualKeyFromQtKey(key->key()));
    const LPARAM repeat = key->isAutoRepeat() ? (LPARAM(1) << 30) | 1 : 1;
    if (event->type() == QEvent::KeyRelease) {
        Send(WM_KEYUP, vk, repeat | (LPARAM(3) << 30), widget, event);
        return true;
    }
    const UINT typed = TypedCharacter(key);
    bool defaulted = false;
    // The key down and the character it types are one Qt event: Qt processes
    // it when the last of the two messages gets default handling.
    // A handler may destroy the window and with it this hook.
    const QPointer<WindowHook> alive(this);
    Send(WM_KEYDOWN, vk, repeat, widget, event, &defaulted, typed != 0);
    if (alive && typed != 0 && defaulted && m_wnd->m_hWnd)
        Send(WM_CHAR, typed, repeat, widget, event);
    event->accept();
    return true;
}

bool WindowHook::CommonEvent(QWidget* widget, QEvent* event)
{
    bool defaulted = false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return KeyEvent(widget, event);
    case QEvent::Paint:
        // The frame of a scrolling control: its non-client area.
        if (m_renderingDefault)
            return false;
        Send(WM_NCPAINT, 1, 0, widget, event);
        return true;
    case QEvent::Resize: {
        const bool framed = detail::HasFrame(m_window);
        if (framed ? widget != m_client : widget != m_window)
            return false;
        const QSize size = static_cast<QResizeEvent*>(event)->size();
        // A scrolling control's client (viewport) is laid out after this event.
        const QSize border =
            (!framed && m_client && m_client != m_window) ? m_window->size() - m_client->size() : QSize(0, 0);
        const QSize client = size - border;
        Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(static_cast<WORD>(client.width()), static_cast<WORD>(client.height())),
             widget, event, &defaulted);
        return defaulted;
    }
    case QEvent::Move: {
        if (widget != m_window)
            return false;
        const QPoint origin = m_client ? m_client->mapTo(m_window, QPoint()) + m_window->pos() : m_window->pos();
        Send(WM_MOVE, 0, MakePointLParam(origin.x(), origin.y()), widget, event, &defaulted);
        return defaulted;
    }
    case QEvent::Show:
    case QEvent::Hide:
        if (widget != m_window || event->spontaneous())
            return false;
        Send(WM_SHOWWINDOW, event->type() == QEvent::Show ? TRUE : FALSE, 0, widget, event, &defaulted);
        return defaulted;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        // A pop-up (a combo's list, a menu) takes the keyboard for a while
        // without taking the focus, as on the system.
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason)
            return false;
        Send(event->type() == QEvent::FocusIn ? WM_SETFOCUS : WM_KILLFOCUS, 0, 0, widget, event, &defaulted);
        return defaulted;
    case QEvent::EnabledChange:
        if (widget != m_window)
            return false;
        Send(WM_ENABLE, widget->isEnabled() ? TRUE : FALSE, 0, widget, event, &defaulted);
        return defaulted;
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        if (widget != m_window)
            return false;
        Send(WM_ACTIVATE, event->type() == QEvent::WindowActivate ? WA_ACTIVE : WA_INACTIVE, 0, widget, event,
             &defaulted);
        return defaulted;
    case QEvent::Close:
        if (widget != m_window)
            return false;
        // The message decides whether the window goes away.
        event->ignore();
        Send(WM_CLOSE, 0, 0, widget, nullptr);
        return true;
    case QEvent::UngrabMouse:
        detail::CaptureTakenAway(m_window);
        return false;
    case QEvent::Leave:
        if (m_trackLeave) {
            m_trackLeave = false;
            Send(WM_MOUSELEAVE, 0, 0, widget, nullptr);
        }
        return false;
    default:
        return false;
    }
}

bool WindowHook::FrameEvent(QWidget* widget, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Paint:
        if (m_renderingDefault)
            return false;
        Send(WM_NCPAINT, 1, 0, widget, event);
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return MouseEvent(widget, event, true);
    case QEvent::Resize:
        LayoutClient();
        return false;
    case QEvent::Move: {
        const QPoint origin = m_client ? m_client->mapToGlobal(QPoint()) : m_window->pos();
        Send(WM_MOVE, 0, MakePointLParam(origin.x(), origin.y()), widget, nullptr);
        return false;
    }
    default:
        return CommonEvent(widget, event);
    }
}

void WindowHook::LayoutClient()
{
    if (!m_window || !m_client || m_client == m_window)
        return;
    NCCALCSIZE_PARAMS params;
    const QRect geometry = m_window->geometry();
    params.rgrc[0] = FromQRect(geometry);
    m_wnd->SendMessage(WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&params));
    CRect client(params.rgrc[0]);
    client.OffsetRect(-geometry.x(), -geometry.y());
    if (client.Width() < 0) client.right = client.left;
    if (client.Height() < 0) client.bottom = client.top;
    m_client->setGeometry(ToQRect(client));
}

} // namespace vesk
