#pragma once
// Window classes: a name, the widget a window of the class is made of, and the
// class's standard message handling (its part of DefWindowProc). The
// standard classes ("Button", "Edit", "ComboBox", "Static", "SysTabControl32",
// "SysTreeView32", "tooltips_class32") are built in; a registered class
// without a factory makes a plain widget.

#include "framework/win_types.h"

#include <functional>
#include <string>

class QWidget;

namespace vesk {

struct WindowCreateParams {
    QWidget* parent = nullptr; // the parent's client widget; null for top-level
    DWORD style = 0;
    DWORD exStyle = 0;
    std::string text;
};

using WidgetFactory = std::function<QWidget*(const WindowCreateParams&)>;
// Sets *result and returns true when the class handles the message.
using ClassProc = std::function<bool(QWidget*, UINT, WPARAM, LPARAM, LRESULT*)>;

struct WindowClass {
    std::string name;
    WidgetFactory factory;
    ClassProc proc;
};

// Registers a class; returns true when it is now registered (also when a
// class of that name already was, which is kept). Names compare without case.
bool RegisterWindowClass(const std::string& name, WidgetFactory factory = {}, ClassProc proc = {});
const WindowClass* FindWindowClass(const std::string& name);
// The class a widget was made with ("" for plain widgets).
std::string WindowClassOf(const QWidget* widget);

} // namespace vesk
