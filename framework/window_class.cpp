// The window class registry.
#include "framework/window_class.h"

#include "framework/control_classes.h"
#include "framework/window_default.h"

#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cctype>
#include <map>

namespace vesk {

namespace {

std::string Folded(const std::string& name)
{
    std::string folded = name;
    std::transform(folded.begin(), folded.end(), folded.begin(), [](unsigned char c) { return std::tolower(c); });
    return folded;
}

std::map<std::string, WindowClass>& Classes()
{
    static std::map<std::string, WindowClass> classes;
    return classes;
}

void Add(WindowClass windowClass)
{
    // A class without a widget of its own paints like a plain window.
    if (!windowClass.proc && !windowClass.factory)
        windowClass.proc = detail::PlainWindowProc;
    Classes().emplace(Folded(windowClass.name), std::move(windowClass));
}

void EnsureBuiltins()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    Add({"#", {}, {}}); // plain windows
    Add({"#32770", {}, {}}); // dialogs
    for (WindowClass& windowClass : detail::StandardControlClasses())
        Add(std::move(windowClass));
}

} // namespace

bool RegisterWindowClass(const std::string& name, WidgetFactory factory, ClassProc proc)
{
    EnsureBuiltins();
    if (name.empty())
        return false;
    if (!Classes().count(Folded(name)))
        Add({name, std::move(factory), std::move(proc)});
    return true;
}

const WindowClass* FindWindowClass(const std::string& name)
{
    EnsureBuiltins();
    auto it = Classes().find(Folded(name.empty() ? std::string("#") : name));
    return it == Classes().end() ? nullptr : &it->second;
}

std::string WindowClassOf(const QWidget* widget)
{
    if (!widget)
        return {};
    const QVariant v = widget->property("vesk.class");
    return v.isValid() ? v.toString().toStdString() : std::string();
}

namespace detail {

void StoreWindowClass(QWidget* widget, const std::string& name)
{
    // Plain windows carry "#" so that every framework widget has a class.
    widget->setProperty("vesk.class", QString::fromStdString(name.empty() ? "#" : name));
}

} // namespace detail

} // namespace vesk
