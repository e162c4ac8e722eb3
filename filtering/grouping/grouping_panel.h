#pragma once
// GroupingPanel: the top-left pane of the workbench, captioned "组号设定".
// Three rows of ten digit buttons, each row with a mode box, a row button
// and a category box. The panel keeps its buttons in step with the selection
// and tells which digits stand for which place (Plan); the workbench
// generates the numbers when 组号 is pressed. 组号, 缩水 and 关闭 go to the
// parent unchanged.

#include "filtering/grouping/panel_layout.h"
#include "filtering/grouping/row_mode.h"
#include "framework/gdi_objects.h"
#include "skin/base_button.h"
#include "skin/base_check_box.h"
#include "skin/base_combo_box.h"
#include "skin/base_group_box.h"
#include "skin/skinned_page.h"

#include <array>

namespace vesk {

inline constexpr UINT IDD_GROUPING_PANEL = 8354;
inline constexpr UINT IDC_GROUP_MODE_1 = 7504;
inline constexpr UINT IDC_GROUP_MODE_2 = 7505;
inline constexpr UINT IDC_GROUP_MODE_3 = 7506;
inline constexpr UINT IDC_GROUP_ROW_1 = 7507;
inline constexpr UINT IDC_GROUP_ROW_2 = 7508;
inline constexpr UINT IDC_GROUP_ROW_3 = 7509;
inline constexpr UINT IDC_GROUP_CATEGORY_1 = 7511;
inline constexpr UINT IDC_GROUP_CATEGORY_2 = 7515;
inline constexpr UINT IDC_GROUP_CATEGORY_3 = 7517;
inline constexpr UINT IDC_GROUP_SELECT_ALL = 7513;
inline constexpr UINT IDC_GROUP_CLEAR_ALL = 7514;
inline constexpr UINT IDC_GROUP_GENERATE = 7512;
inline constexpr UINT IDC_GROUP_FILTER = 7516;
inline constexpr UINT IDC_GROUP_CLOSE = 8539;
inline constexpr UINT IDC_GROUP_FRAME = 7549;

inline constexpr std::array<UINT, 3> kGroupModeIds { IDC_GROUP_MODE_1, IDC_GROUP_MODE_2, IDC_GROUP_MODE_3 };
inline constexpr std::array<UINT, 3> kGroupRowIds { IDC_GROUP_ROW_1, IDC_GROUP_ROW_2, IDC_GROUP_ROW_3 };
inline constexpr std::array<UINT, 3> kGroupCategoryIds { IDC_GROUP_CATEGORY_1, IDC_GROUP_CATEGORY_2,
    IDC_GROUP_CATEGORY_3 };

// The id of digit d (0..9) in row r (0..2).
UINT DigitButtonId(int row, int digit);

DialogTemplate GroupingPanelTemplate();

class GroupingPanel : public SkinnedPage {
public:
    GroupingPanel();
    ~GroupingPanel() override;

    // Creates the panel from template 8354 as a child of parent, which
    // receives 组号, 缩水 and 关闭.
    BOOL Create(CWnd* parent);

    // 1 narrow, 2 wide; nothing happens when the mode is unchanged.
    void SetLayoutMode(int mode);
    int LayoutMode() const { return m_layoutMode; }

    RowMode Mode() const;
    DigitFlags RowDigits(int row) const;
    DigitRows Rows() const;
    // Which digits stand for hundreds, tens and units, and whether the
    // numbers become group numbers.
    GenerationPlan Plan() const { return PlanFor(Mode(), Rows()); }

    // Shows the first category matching the row's digits, else "自定义".
    void SyncCategoryBox(int row);
    void UpdateButtons();

    CBaseCheckBox& DigitButton(int row, int digit) { return m_digits[Index(row)][Index(digit)]; }
    CBaseCheckBox& ModeBox(int row) { return m_modeBoxes[Index(row)]; }
    CBaseButton& RowButton(int row) { return m_rowButtons[Index(row)]; }
    CBaseComboBox& CategoryBox(int row) { return m_categoryBoxes[Index(row)]; }
    // 全部选中, 全部清空, 组号, 缩水 or 关闭 by id.
    CBaseButton& PanelButton(UINT id);

protected:
    BOOL OnInitDialog() override;

private:
    static std::size_t Index(int i) { return static_cast<std::size_t>(i); }
    void LoadBitmaps();
    void SkinControls();
    void SetTooltips();
    void FillCategoryBoxes();
    void RegisterCommands();
    void SetActiveDigits(bool selected);
    void ClearAll();
    void SetRowDigits(int row, const DigitFlags& digits);
    void OnDigitClicked(int row);
    void OnCategoryChosen(int row);
    void OnPairModeClicked(int row);
    void OnTripleModeClicked();
    void EnableRow(int row, bool enable);
    void Place(CWnd& control, const Rect& rect);

    std::array<std::array<CBaseCheckBox, 10>, 3> m_digits;
    std::array<CBaseCheckBox, 3> m_modeBoxes;
    std::array<CBaseButton, 3> m_rowButtons;
    std::array<CBaseComboBox, 3> m_categoryBoxes;
    std::array<CBaseButton, 5> m_panelButtons; // 全部选中, 全部清空, 组号, 缩水, 关闭
    CBaseGroupBox m_frame;
    CBitmap m_modeImage;
    std::array<CBitmap, 10> m_digitImages;
    CBitmap m_blueButton;
    int m_layoutMode = 0;
};

} // namespace vesk
