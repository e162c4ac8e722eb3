#pragma once
// Internal to the framework: changes a control makes on the program's behalf
// (a message such as CB_SETCURSEL or TCM_SETCURSEL) send no notification, as
// only the user's changes do on the system. Qt signals cannot tell the two
// apart, so the control is marked quiet while the program changes it.

#include <QObject>
#include <QVariant>

#include <type_traits>

namespace vesk::detail {

inline constexpr const char* kQuietProperty = "vesk.quiet";

inline bool IsQuiet(const QObject* control) { return control->property(kQuietProperty).toBool(); }

// Runs change with control marked quiet and returns what change returns.
// Nested changes keep the outer mark.
template <class F>
auto Quietly(QObject* control, F&& change)
{
    const bool wasQuiet = IsQuiet(control);
    control->setProperty(kQuietProperty, true);
    struct Restore {
        QObject* control;
        bool wasQuiet;
        ~Restore() { control->setProperty(kQuietProperty, wasQuiet); }
    } restore{control, wasQuiet};
    return change();
}

} // namespace vesk::detail
