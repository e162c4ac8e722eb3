#include "tools/skin_gallery/gallery_dialog.h"

#include "skin/base_menu.h"
#include "tools/skin_gallery/gallery_ids.h"

#include <cstdio>

namespace gallery {

using namespace vesk;

namespace {

void Load(CBitmap& bitmap, const char* name)
{
    bitmap.Attach(LoadBitmapFile(name));
}

// "000 001 ... 009\r\n010 ...": the thousand numbers, ten to a line.
CString AllNumbers()
{
    CString text;
    char number[8];
    for (int n = 0; n < 1000; ++n) {
        std::snprintf(number, sizeof number, "%03d", n);
        text += number;
        text += n % 10 == 9 ? "\r\n" : " ";
    }
    return text;
}

} // namespace

GalleryDialog::GalleryDialog()
    : CBaseDialog(kGalleryTemplate)
{
}

BOOL GalleryDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    LoadBitmaps();
    SetUpButtons();
    SetUpToggles();
    SetUpTextControls();
    return TRUE;
}

void GalleryDialog::LoadBitmaps()
{
    Load(m_white, "Skin\\WhiteBtn.bmp");
    Load(m_blue, "Skin\\BlueBtn.bmp");
    Load(m_checked, "Skin\\Checked.bmp");
    Load(m_mode, "Skin\\CmbMode.bmp");
    Load(m_radioImage, "Skin\\Radio.bmp");
    for (int digit = 0; digit < 10; ++digit) {
        char name[32];
        std::snprintf(name, sizeof name, "Skin\\Num%d.bmp", digit);
        Load(m_digitImages[digit], name);
    }
    Load(m_icons[0], "Skin\\EditOpen.bmp");
    Load(m_icons[1], "Skin\\FltEdit.bmp");
    Load(m_icons[2], "Skin\\EditClr.bmp");
}

void GalleryDialog::SetUpButtons()
{
    m_open.SubclassDlgItem(kOpen, this);
    m_open.SetSkin(m_white);
    m_open.SetIcon(m_icons[0]);
    m_open.SetTooltip("打开号码文件");
    m_group.SubclassDlgItem(kGroupNumbers, this);
    m_group.SetSkin(m_blue);
    m_group.SetTooltip("对号码设置中选择的数字进行组合");
    m_iconOnly.SubclassDlgItem(kIconOnly, this);
    m_iconOnly.SetSkin(m_white);
    m_iconOnly.SetIcon(m_icons[1]);
    m_disabled.SubclassDlgItem(kDisabled, this);
    m_disabled.SetSkin(m_blue);
    m_disabled.SetIcon(m_icons[2]);
    m_disabled.EnableWindow(FALSE);
    m_menuButton.SubclassDlgItem(kMenuButton, this);
    m_menuButton.SetSkin(m_white);
    m_menuButton.SetTooltip("右键菜单的样子");
}

void GalleryDialog::SetUpToggles()
{
    m_keep.SubclassDlgItem(kKeep, this);
    m_keep.SetCheckImage(m_checked);
    m_keep.SetCheck(1);
    m_modeBox.SubclassDlgItem(kMode, this);
    m_modeBox.SetCheckImage(m_mode);
    m_modeBox.SetTooltip("√ 表示按百位、十位、个位方式进行组号");
    m_single.SubclassDlgItem(kSingle, this);
    m_single.SetImage(m_radioImage);
    m_grouped.SubclassDlgItem(kGrouped, this);
    m_grouped.SetImage(m_radioImage);
    SelectRadio(kSingle);
    m_frame.SubclassDlgItem(kFrame, this);
    for (int digit = 0; digit < 10; ++digit) {
        m_digits[digit].SubclassDlgItem(kFirstDigit + digit, this);
        m_digits[digit].SetCheckImage(m_digitImages[digit]);
        m_digits[digit].SetCheck(digit % 3 == 0);
    }
}

void GalleryDialog::SetUpTextControls()
{
    m_tabs.SubclassDlgItem(kTabs, this);
    m_tabs.InsertItem(0, "缩水器");
    m_tabs.InsertItem(1, "暂存区");
    m_tabs.InsertItem(2, "号码统计");
    m_combo.SubclassDlgItem(kComboBox, this);
    for (const char* item : {"自定义", "大小", "奇偶", "质合"})
        m_combo.AddString(item);
    m_combo.SetCurSel(0);
    m_digitsOnly.SubclassDlgItem(kDigitsOnly, this);
    m_digitsOnly.SetAllowedChars("0123456789");
    m_digitsOnly.SetWindowText("123");
    m_numbers.SubclassDlgItem(kNumbers, this);
    m_numbers.CreateScrollBars();
    m_numbers.SetText(AllNumbers());
}

void GalleryDialog::SelectRadio(int id)
{
    m_single.SetCheck(id == kSingle);
    m_grouped.SetCheck(id == kGrouped);
}

void GalleryDialog::ShowMenu(POINT screen)
{
    CBaseMenu menu;
    menu.CreatePopupMenu();
    CMenu convert;
    convert.CreatePopupMenu();
    convert.AppendMenu(MF_STRING, kMenuAll, "全部转为组选");
    menu.AppendMenu(MF_STRING, kMenuSave, "保存(&V)...\tCtrl+S");
    menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING | (m_keep.GetCheck() ? MF_CHECKED : 0), kMenuSort, "保留缩水条件");
    menu.AppendMenu(MF_STRING | MF_GRAYED, kMenuDelete, "删除\tDel");
    menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(convert.Detach()), "转换");
    menu.MakeOwnerDrawn(menu);
    const UINT chosen = menu.TrackPopupMenu(TPM_RETURNCMD | TPM_LEFTALIGN, screen.x, screen.y, this);
    if (chosen == kMenuSort)
        m_keep.SetCheck(!m_keep.GetCheck());
    menu.DestroyPopup(menu.GetSubMenuHandle(4));
    menu.DestroyPopup(menu);
}

LRESULT GalleryDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        const int id = LOWORD(wParam);
        if (id == kSingle || id == kGrouped)
            SelectRadio(id);
        if (id == kMenuButton) {
            RECT rect;
            m_menuButton.GetWindowRect(&rect);
            ShowMenu(POINT{rect.left, rect.bottom});
        }
    }
    if (message == WM_RBUTTONUP) {
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ClientToScreen(&at);
        ShowMenu(at);
    }
    return CBaseDialog::WindowProc(message, wParam, lParam);
}

} // namespace gallery
