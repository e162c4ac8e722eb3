// The gallery's dialog template: where each control stands, in dialog units.

#include "framework/module_context.h"
#include "framework/styles.h"
#include "tools/skin_gallery/gallery_dialog.h"
#include "tools/skin_gallery/gallery_ids.h"

namespace gallery {

using namespace vesk;

namespace {

DialogControl Item(int id, const char* windowClass, const char* text, int x, int y, int cx, int cy, DWORD style = 0)
{
    return {.id = id, .windowClass = windowClass, .text = text, .x = x, .y = y, .cx = cx, .cy = cy,
            .style = style | WS_TABSTOP};
}

} // namespace

UINT RegisterGalleryTemplate()
{
    DialogTemplate dialog;
    dialog.id = kGalleryTemplate;
    dialog.caption = "皮肤样例";
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    dialog.cx = 330;
    dialog.cy = 220;
    dialog.controls = {
        Item(kOpen, "Button", "打开", 10, 10, 50, 15),
        Item(kGroupNumbers, "Button", "组号", 65, 10, 45, 15),
        Item(kIconOnly, "Button", "", 115, 10, 20, 15),
        Item(kDisabled, "Button", "关闭", 140, 10, 45, 15),
        Item(kMenuButton, "Button", "菜单", 190, 10, 45, 15),
        Item(kKeep, "Button", "保留缩水条件", 10, 32, 80, 10, BS_AUTOCHECKBOX),
        Item(kMode, "Button", "", 95, 30, 12, 12, BS_AUTOCHECKBOX),
        Item(kSingle, "Button", "单选", 115, 32, 40, 10, BS_AUTORADIOBUTTON),
        Item(kGrouped, "Button", "组选", 160, 32, 40, 10, BS_AUTORADIOBUTTON),
        Item(kComboBox, "ComboBox", "", 205, 31, 60, 80, CBS_DROPDOWNLIST),
        Item(kDigitsOnly, "Edit", "", 270, 31, 50, 12, ES_AUTOHSCROLL),
        Item(kTabs, "SysTabControl32", "", 10, 92, 150, 118),
        Item(kNumbers, "Edit", "", 170, 50, 150, 160,
             WS_BORDER | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL),
    };
    for (int digit = 0; digit < 10; ++digit)
        dialog.controls.push_back(Item(kFirstDigit + digit, "Button", "", 17 + digit * 14, 62, 12, 12, BS_AUTOCHECKBOX));
    // Last, so that it lies above the digits: only its ring takes clicks.
    dialog.controls.push_back(Item(kFrame, "Button", "号码设定", 10, 48, 150, 34, BS_GROUPBOX));
    CurrentModuleContext().Templates().Register(dialog);
    return dialog.id;
}

} // namespace gallery
