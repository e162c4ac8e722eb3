#include "components/features/kit/window_picker.h"

#include "components/features/analysis/omission_table.h"

namespace vesk::features {

QString WindowLabel(std::size_t last)
{
    return last == 0 ? QStringLiteral("全部") : QStringLiteral("%1期").arg(last);
}

WindowPicker::WindowPicker(QWidget* parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("windowPicker"));
    setToolTip(QStringLiteral("统计最近多少期开奖"));
    for (std::size_t choice : analysis::kWindowChoices)
        addItem(WindowLabel(choice), static_cast<qulonglong>(choice));
    SetWindow(analysis::kDefaultWindow);
    connect(this, &QComboBox::activated, this, [this](int) {
        if (picked)
            picked(Window());
    });
}

std::size_t WindowPicker::Window() const
{
    return static_cast<std::size_t>(currentData().toULongLong());
}

void WindowPicker::SetWindow(std::size_t last)
{
    const int index = findData(static_cast<qulonglong>(last));
    if (index >= 0)
        setCurrentIndex(index);
}

} // namespace vesk::features
