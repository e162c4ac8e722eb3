#pragma once
// A test component that stands where the grid will: loaded through the host's
// component loader, it puts a framework window into a module's dialog and
// reports clicks on it as the grid does. Rows are 20 pixels high below a
// 20-pixel header band, columns 50 pixels wide.

#include "host/module_name_record.h"
#include "host/win_types.h"

namespace vesk::test {

inline constexpr ModuleNameRecord kNotifyProbeName = ModuleNameRecord::Make("NotifyProbe.dll", "INotifyProbe");
inline constexpr int kProbeRowHeight = 20;
inline constexpr int kProbeColumnWidth = 50;

class INotifyProbe {
public:
    // Slot 0: a child window of parent with the control id, over rect.
    virtual SlotInt Create(WindowHandle parent, SlotInt controlId, const Rect* rect) = 0;
    // Slot 1: the window, 0 before Create.
    virtual WindowHandle GetWindow() = 0;

protected:
    ~INotifyProbe() = default;
};

} // namespace vesk::test
