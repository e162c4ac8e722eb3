#pragma once
// The skin gallery: one skinned dialog holding one of each skinned control,
// a scroll edit full of numbers and a popup menu, for looking at and trying
// the look by hand.

#include "skin/base_button.h"
#include "skin/base_check_box.h"
#include "skin/base_combo_box.h"
#include "skin/base_dialog.h"
#include "skin/base_edit.h"
#include "skin/base_group_box.h"
#include "skin/base_radio.h"
#include "skin/base_scroll_edit.h"
#include "skin/base_tab_ctrl.h"

#include <array>

namespace gallery {

// Registers the gallery's template in the current module context.
vesk::UINT RegisterGalleryTemplate();

class GalleryDialog : public vesk::CBaseDialog {
public:
    GalleryDialog();

    vesk::BOOL OnInitDialog() override;
    vesk::LRESULT WindowProc(vesk::UINT message, vesk::WPARAM wParam, vesk::LPARAM lParam) override;

private:
    void LoadBitmaps();
    void SetUpButtons();
    void SetUpToggles();
    void SetUpTextControls();
    void SelectRadio(int id);
    void ShowMenu(vesk::POINT screen);

    vesk::CBitmap m_white;
    vesk::CBitmap m_blue;
    vesk::CBitmap m_checked;
    vesk::CBitmap m_mode;
    vesk::CBitmap m_radioImage;
    std::array<vesk::CBitmap, 10> m_digitImages;
    std::array<vesk::CBitmap, 3> m_icons;

    vesk::CBaseButton m_open;
    vesk::CBaseButton m_group;
    vesk::CBaseButton m_iconOnly;
    vesk::CBaseButton m_disabled;
    vesk::CBaseButton m_menuButton;
    vesk::CBaseCheckBox m_keep;
    vesk::CBaseCheckBox m_modeBox;
    std::array<vesk::CBaseCheckBox, 10> m_digits;
    vesk::CBaseRadio m_single;
    vesk::CBaseRadio m_grouped;
    vesk::CBaseGroupBox m_frame;
    vesk::CBaseTabCtrl m_tabs;
    vesk::CBaseComboBox m_combo;
    vesk::CBaseEdit m_digitsOnly;
    vesk::CBaseScrollEdit m_numbers;
};

} // namespace gallery
