// The standard control classes and the notifications controls send.
#include "framework/control_classes.h"

#include "framework/cwnd.h"
#include "framework/window_internal.h"

namespace vesk::detail {

std::vector<WindowClass> StandardControlClasses()
{
    return {ButtonClass(), EditClass(), ComboBoxClass(), StaticClass(), TabControlClass(), TreeViewClass(),
            ToolTipClass()};
}

void NotifyCommand(QWidget* control, UINT code)
{
    QWidget* parent = ParentWindowOf(control);
    if (!parent)
        return;
    SendMessage(parent, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(IdOf(control)), static_cast<WORD>(code)),
                reinterpret_cast<LPARAM>(control));
}

LRESULT NotifyParent(QWidget* control, UINT code)
{
    QWidget* parent = ParentWindowOf(control);
    if (!parent)
        return 0;
    NMHDR header;
    header.hwndFrom = control;
    header.idFrom = static_cast<UINT_PTR>(IdOf(control));
    header.code = code;
    return SendMessage(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

} // namespace vesk::detail
