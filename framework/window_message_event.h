#pragma once
// The event that carries a message to a widget without a CWnd (the host's
// own widgets) and that posted messages travel in. A plain widget answers a
// message by handling this event in QWidget::event and setting result.

#include "framework/win_types.h"

#include <QEvent>

namespace vesk {

class WindowMessageEvent : public QEvent {
public:
    WindowMessageEvent(UINT message, WPARAM wParam, LPARAM lParam);

    static QEvent::Type EventType();

    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result = 0;
    bool posted = false; // queued by PostMessage: offered to pre-translation
};

} // namespace vesk
