// Template 8354: the panel in its narrow arrangement, in dialog units (the
// workbench sets the layout mode, which places every control in pixels).

#include "filtering/grouping/grouping_panel.h"
#include "framework/styles.h"

#include <array>

namespace vesk {

namespace {

constexpr std::array<const char*, 3> kRowTexts { "百位", "十位", "个位" };

} // namespace

UINT DigitButtonId(int row, int digit)
{
    // The 0 button of each row carries the id after its row's 1..9.
    constexpr std::array<UINT, 3> kZero { 7519, 7538, 7548 };
    constexpr std::array<UINT, 3> kOne { 7520, 7529, 7539 };
    const auto r = static_cast<std::size_t>(row);
    return digit == 0 ? kZero[r] : kOne[r] + static_cast<UINT>(digit - 1);
}

DialogTemplate GroupingPanelTemplate()
{
    DialogTemplate panel;
    panel.id = IDD_GROUPING_PANEL;
    panel.style = WS_CHILD | DS_CONTROL | DS_SETFONT;
    panel.cx = 231;
    panel.cy = 91;
    panel.controls = {
        PageControl(IDC_GROUP_SELECT_ALL, "Button", "全部选中", 76, 0, 50, 14, BS_PUSHBUTTON | WS_TABSTOP),
        PageControl(IDC_GROUP_CLEAR_ALL, "Button", "全部清空", 128, 0, 50, 14, BS_PUSHBUTTON | WS_TABSTOP),
    };
    for (int r = 0; r < 3; ++r) {
        const auto row = static_cast<std::size_t>(r);
        const int top = 18 + 17 * r;
        panel.controls.push_back(
            PageControl(kGroupModeIds[row], "Button", "", 5, top + 3, 7, 7, BS_AUTOCHECKBOX | WS_TABSTOP));
        panel.controls.push_back(
            PageControl(kGroupRowIds[row], "Button", kRowTexts[row], 14, top, 28, 14, BS_PUSHBUTTON));
        for (int d = 0; d < 10; ++d) {
            panel.controls.push_back(PageControl(
                DigitButtonId(r, d), "Button", "", 43 + 14 * d, top, 13, 14, BS_AUTOCHECKBOX | BS_PUSHLIKE));
        }
        panel.controls.push_back(PageControl(kGroupCategoryIds[row], "ComboBox", "", 185, top, 40, 120,
            CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP));
    }
    panel.controls.push_back(
        PageControl(IDC_GROUP_GENERATE, "Button", "组号", 49, 70, 40, 14, BS_PUSHBUTTON | WS_TABSTOP));
    panel.controls.push_back(
        PageControl(IDC_GROUP_FILTER, "Button", "缩水", 91, 70, 40, 14, BS_PUSHBUTTON | WS_TABSTOP));
    panel.controls.push_back(
        PageControl(IDC_GROUP_CLOSE, "Button", "关闭", 133, 70, 40, 14, BS_PUSHBUTTON | WS_TABSTOP));
    // Last, so that it lies above the rows: only its ring takes clicks.
    panel.controls.push_back(PageControl(IDC_GROUP_FRAME, "Button", "组号设定", 0, 2, 231, 89, BS_GROUPBOX));
    return panel;
}

} // namespace vesk
