#pragma once
// Pre-translation of input messages. The host offers each input event to the
// module as MSG records (MessagesFromEvent) and drops the event when one is
// consumed. PreTranslateFilter does that as an application event filter; by
// default it offers the messages to the framework's windows themselves
// (CWnd::WalkPreTranslateTree from the target up to its top-level window).

#include "framework/win_structs.h"

#include <QObject>

#include <functional>

class QEvent;

namespace vesk {

// The messages an event stands for: mouse and wheel events give one, a key
// press gives WM_KEYDOWN and, when it types text, WM_CHAR for the first
// character; a posted message gives itself. Returns how many were written
// (0 for other events).
int MessagesFromEvent(QObject* receiver, QEvent* event, MSG out[2]);

class PreTranslateFilter : public QObject {
public:
    using Callback = std::function<bool(MSG*)>;
    // Installs itself on the application; removed when destroyed.
    explicit PreTranslateFilter(Callback callback = {});
    ~PreTranslateFilter() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Callback m_callback;
    // The event loop level whose event is being offered; -1 when none. An
    // event of the same loop that arrives meanwhile was sent by the handler
    // itself and is not offered again, but a modal loop started by the
    // handler pre-translates its own input like the outer loop.
    int m_busyLevel = -1;
};

} // namespace vesk
