// Translation of Qt input events into message arguments.
#include "framework/input_translation.h"

#include "framework/messages.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace vesk {

int VirtualKeyFromQtKey(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey; // same codes
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return VK_F1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: return VK_MENU;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_PageUp: return VK_PRIOR;
    case Qt::Key_PageDown: return VK_NEXT;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    default: return qtKey & 0xFF;
    }
}

WPARAM MouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    WPARAM flags = 0;
    if (buttons & Qt::LeftButton) flags |= MK_LBUTTON;
    if (buttons & Qt::RightButton) flags |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton) flags |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier) flags |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier) flags |= MK_CONTROL;
    return flags;
}

namespace {

UINT ButtonMessage(const QMouseEvent* event, UINT left, UINT right, UINT middle)
{
    // Order within each group: down, up, double click.
    int offset = 0;
    switch (event->type()) {
    case QEvent::MouseButtonPress: offset = 0; break;
    case QEvent::MouseButtonRelease: offset = 1; break;
    case QEvent::MouseButtonDblClick: offset = 2; break;
    default: return 0;
    }
    switch (event->button()) {
    case Qt::LeftButton: return left + offset;
    case Qt::RightButton: return right + offset;
    case Qt::MiddleButton: return middle ? middle + offset : 0;
    default: return 0;
    }
}

} // namespace

UINT ClientMouseMessage(const QMouseEvent* event)
{
    if (event->type() == QEvent::MouseMove)
        return WM_MOUSEMOVE;
    return ButtonMessage(event, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN);
}

UINT NonClientMouseMessage(const QMouseEvent* event)
{
    if (event->type() == QEvent::MouseMove)
        return WM_NCMOUSEMOVE;
    return ButtonMessage(event, WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN, 0);
}

UINT TypedCharacter(const QKeyEvent* event)
{
    const QString text = event->text();
    return text.isEmpty() ? 0 : text.at(0).unicode();
}

WPARAM WheelWParam(const QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    return MAKEWPARAM(static_cast<WORD>(MouseKeyFlags(event->buttons(), event->modifiers())),
                      static_cast<WORD>(static_cast<std::int16_t>(delta)));
}

} // namespace vesk
