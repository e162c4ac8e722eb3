// The event that carries messages to widgets.
#include "framework/window_message_event.h"

namespace vesk {

WindowMessageEvent::WindowMessageEvent(UINT m, WPARAM w, LPARAM l)
    : QEvent(EventType()), message(m), wParam(w), lParam(l)
{
}

QEvent::Type WindowMessageEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

} // namespace vesk
