#pragma once
// Internal to the framework: the standard control classes.

#include "framework/window_class.h"

#include <vector>

namespace vesk::detail {

std::vector<WindowClass> StandardControlClasses();

WindowClass ButtonClass();
WindowClass EditClass();
WindowClass ComboBoxClass();
WindowClass StaticClass();
WindowClass TabControlClass();
WindowClass TreeViewClass();
WindowClass ToolTipClass();

// Sends WM_COMMAND with the control's id and code to its parent window.
void NotifyCommand(QWidget* control, UINT code);
// Sends WM_NOTIFY with a bare NMHDR to the control's parent; returns its result.
LRESULT NotifyParent(QWidget* control, UINT code);

} // namespace vesk::detail
