// The standard control classes and the notifications controls send.
#include "framework/control_classes.h"

#include "framework/cwnd.h"
#include "framework/window_internal.h"

#include <cstring>

namespace vesk::detail {

std::vector<WindowClass> StandardControlClasses()
{
    return {ButtonClass(), EditClass(), ComboBoxClass(), StaticClass(), TabControlClass(), TreeViewClass(),
            ToolTipClass()};
}

LRESULT CopyTextOut(const std::string& utf8, WPARAM size, LPARAM buffer)
{
    if (!buffer || size == 0)
        return 0;
    const size_t count = std::min<size_t>(utf8.size(), size - 1);
    std::memcpy(reinterpret_cast<char*>(buffer), utf8.data(), count);
    reinterpret_cast<char*>(buffer)[count] = '\0';
    return static_cast<LRESULT>(count);
}

QString TextArgument(LPARAM lParam) { return QString::fromUtf8(lParam ? reinterpret_cast<const char*>(lParam) : ""); }

bool AnswerTextMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result,
                       const std::function<QString()>& get, const std::function<void(const QString&)>& set)
{
    switch (message) {
    case WM_SETTEXT:
        set(TextArgument(lParam));
        *result = TRUE;
        return true;
    case WM_GETTEXT:
        *result = CopyTextOut(get().toStdString(), wParam, lParam);
        return true;
    case WM_GETTEXTLENGTH:
        *result = get().toUtf8().size();
        return true;
    default:
        return false;
    }
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
    NMHDR header;
    return vesk::NotifyParent(control, code, &header);
}

} // namespace vesk::detail
