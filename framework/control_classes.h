#pragma once
// Internal to the framework: the standard control classes.

#include "framework/window_class.h"

#include <QString>

#include <functional>
#include <string>
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

// WM_GETTEXT: copies the UTF-8 text into a buffer of size bytes, terminated;
// returns the bytes copied.
LRESULT CopyTextOut(const std::string& utf8, WPARAM size, LPARAM buffer);
// The text argument of WM_SETTEXT and friends ("" for null).
QString TextArgument(LPARAM lParam);
// Answers WM_SETTEXT, WM_GETTEXT and WM_GETTEXTLENGTH through get and set;
// false for other messages.
bool AnswerTextMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result,
                       const std::function<QString()>& get, const std::function<void(const QString&)>& set);

// Sends WM_COMMAND with the control's id and code to its parent window.
void NotifyCommand(QWidget* control, UINT code);
// Sends WM_NOTIFY with a bare NMHDR to the control's parent; returns its result.
LRESULT NotifyParent(QWidget* control, UINT code);

} // namespace vesk::detail
