// Input events offered as messages before they are dispatched.
#include "framework/pre_translate.h"

#include "framework/cwnd.h"
#include "framework/input_translation.h"
#include "framework/system_api.h"
#include "framework/system_internal.h"
#include "framework/window_internal.h"
#include "framework/window_message_event.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QThread>
#include <QWheelEvent>
#include <QWidget>

namespace vesk {

namespace {

// The window a widget's input belongs to. Input of a pop-up of Qt's own (a
// combo box's list, a message box) belongs to no window: it is not offered.
QWidget* InputWindow(QObject* receiver)
{
    auto* widget = qobject_cast<QWidget*>(receiver);
    while (widget && !detail::IsFrameworkWidget(widget) && !detail::Lookup(widget)) {
        if (widget->isWindow())
            return nullptr;
        widget = widget->parentWidget();
    }
    return widget ? detail::WindowOf(widget) : nullptr;
}

} // namespace

int MessagesFromEvent(QObject* receiver, QEvent* event, MSG out[2])
{
    QWidget* window = InputWindow(receiver);
    if (!window)
        return 0;
    MSG msg;
    msg.hwnd = window;
    msg.time = GetTickCount();
    GetCursorPos(&msg.pt);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        msg.message = ClientMouseMessage(mouse);
        if (msg.message == 0)
            return 0;
        const QPoint global = mouse->globalPosition().toPoint();
        const QPoint local = detail::ClientOf(window)->mapFromGlobal(global);
        msg.wParam = MouseKeyFlags(mouse->buttons(), mouse->modifiers());
        msg.lParam = MakePointLParam(local.x(), local.y());
        msg.pt = POINT{global.x(), global.y()};
        out[0] = msg;
        return 1;
    }
    case QEvent::Wheel: {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const QPoint global = wheel->globalPosition().toPoint();
        msg.message = WM_MOUSEWHEEL;
        msg.wParam = WheelWParam(wheel);
        msg.lParam = MakePointLParam(global.x(), global.y());
        out[0] = msg;
        return 1;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        msg.message = event->type() == QEvent::KeyPress ? WM_KEYDOWN : WM_KEYUP;
        msg.wParam = static_cast<WPARAM>(VirtualKeyFromQtKey(key->key()));
        msg.lParam = 1;
        out[0] = msg;
        const UINT typed = event->type() == QEvent::KeyPress ? TypedCharacter(key) : 0;
        if (typed == 0)
            return 1;
        msg.message = WM_CHAR;
        msg.wParam = typed;
        out[1] = msg;
        return 2;
    }
    default:
        break;
    }
    if (event->type() == WindowMessageEvent::EventType() && static_cast<WindowMessageEvent*>(event)->posted) {
        // Posted messages pass the message loop, and so pre-translation.
        const auto* posted = static_cast<WindowMessageEvent*>(event);
        msg.message = posted->message;
        msg.wParam = posted->wParam;
        msg.lParam = posted->lParam;
        out[0] = msg;
        return 1;
    }
    return 0;
}

PreTranslateFilter::PreTranslateFilter(Callback callback) : m_callback(std::move(callback))
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

PreTranslateFilter::~PreTranslateFilter()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

bool PreTranslateFilter::eventFilter(QObject* watched, QEvent* event)
{
    const int level = QThread::currentThread()->loopLevel();
    if (level == m_busyLevel || !watched->isWidgetType())
        return false;
    MSG messages[2];
    const int count = MessagesFromEvent(watched, event, messages);
    if (count == 0)
        return false;
    const QScopedValueRollback busy(m_busyLevel, level);
    bool consumed = false;
    for (int i = 0; i < count && !consumed; ++i) {
        detail::NoteCursor(QPoint(messages[i].pt.x, messages[i].pt.y));
        consumed = m_callback ? m_callback(&messages[i]) : CWnd::WalkPreTranslateTree(nullptr, &messages[i]) != FALSE;
    }
    return consumed;
}

} // namespace vesk
