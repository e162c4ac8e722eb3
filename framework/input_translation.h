#pragma once
// Qt input to message arguments: virtual keys, mouse key flags, message numbers.

#include "framework/win_types.h"

#include <Qt>

class QMouseEvent;
class QKeyEvent;
class QWheelEvent;

namespace vesk {

int VirtualKeyFromQtKey(int qtKey);
WPARAM MouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
// WM_LBUTTONDOWN ... for a press, release or double click; 0 for other buttons.
UINT ClientMouseMessage(const QMouseEvent* event);
// The same for the non-client area (WM_NCLBUTTONDOWN ...).
UINT NonClientMouseMessage(const QMouseEvent* event);
// The character a key press types (first UTF-16 unit of its text), 0 if none.
UINT TypedCharacter(const QKeyEvent* event);
WPARAM WheelWParam(const QWheelEvent* event);

} // namespace vesk
