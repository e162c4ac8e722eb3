#pragma once
// Internal to the framework: the standard handling every window shares, and
// the making of widgets for windows.

#include "framework/win_types.h"

#include <QRect>

class QWidget;

namespace vesk {
class CWnd;
struct WindowClass;
struct WindowCreateParams;
}

namespace vesk::detail {

// What DefWindowProc does for a message no window class handled.
LRESULT GenericDefault(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam);
// The class behaviour of plain windows (no class, registered classes without
// a widget of their own, dialogs): erasing with the background brush.
bool PlainWindowProc(QWidget* widget, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

// A child widget of the class, parented to params.parent.
QWidget* MakeWidget(const WindowClass& windowClass, const WindowCreateParams& params);
// A top-level window: a frameless outer widget owned by owner's window, with
// the class's widget inside as its client.
QWidget* MakeFrame(const WindowClass& windowClass, const WindowCreateParams& params, QWidget* owner);
// Sets the geometry; a hidden widget gets its move and resize events now, as
// a window gets WM_MOVE and WM_SIZE at once.
void ApplyGeometry(QWidget* widget, const QRect& rect);
// WM_DESTROY and WM_NCDESTROY to the window and every window inside it.
void DestroyTree(QWidget* window);
// The window's standard frame widths for its style (left, top, right, bottom).
QRect FrameInsets(DWORD style);

} // namespace vesk::detail
