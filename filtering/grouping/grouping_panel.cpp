#include "filtering/grouping/grouping_panel.h"

#include "framework/messages.h"
#include "framework/styles.h"

#include <string>

namespace vesk {

namespace {

constexpr std::array<UINT, 5> kPanelButtonIds { IDC_GROUP_SELECT_ALL, IDC_GROUP_CLEAR_ALL, IDC_GROUP_GENERATE,
    IDC_GROUP_FILTER, IDC_GROUP_CLOSE };

struct RowTexts {
    const char* button;
    const char* buttonTip;
};

constexpr std::array<RowTexts, 3> kPositional { {
    { "百位", "清空百位选择的数字" },
    { "十位", "清空十位选择的数字" },
    { "个位", "清空个位选择的数字" },
} };
constexpr std::array<RowTexts, 3> kPicking { {
    { "选一", "清空选一选择的数字" },
    { "选二", "清空选二选择的数字" },
    { "选三", "清空选三选择的数字" },
} };
constexpr std::array<const char*, 3> kPickingModeTips {
    "█ 表示组号时从后面的数字中选择一个数字进行组号",
    "█ 表示组号时从后面的数字中选择二个数字进行组号",
    "█ 表示组号时从后面的数字中选择三个数字进行组号",
};
constexpr const char* kPositionalModeTip = "√ 表示按百位、十位、个位方式进行组号";
constexpr const char* kDisabledRow = "禁用";

constexpr std::array<const char*, 5> kPanelTips { "选择所有的数字", "清空所有的数字",
    "对号码设置中选择的数字进行组合", "根据选择的缩水条件对号码进行缩水", "关闭窗口" };

} // namespace

GroupingPanel::GroupingPanel()
    : SkinnedPage(IDD_GROUPING_PANEL)
{
    RegisterCommands();
}

GroupingPanel::~GroupingPanel() = default;

BOOL GroupingPanel::Create(CWnd* parent)
{
    return SkinnedPage::Create(IDD_GROUPING_PANEL, parent);
}

void GroupingPanel::RegisterCommands()
{
    HandleCommand(IDC_GROUP_SELECT_ALL, BN_CLICKED, [this] {
        SetActiveDigits(true);
        for (int row = 0; row < 3; ++row)
            SyncCategoryBox(row);
        UpdateButtons();
    });
    HandleCommand(IDC_GROUP_CLEAR_ALL, BN_CLICKED, [this] { ClearAll(); });
    HandleCommand(IDC_GROUP_MODE_1, BN_CLICKED, [this] { OnPairModeClicked(0); });
    HandleCommand(IDC_GROUP_MODE_2, BN_CLICKED, [this] { OnPairModeClicked(1); });
    HandleCommand(IDC_GROUP_MODE_3, BN_CLICKED, [this] { OnTripleModeClicked(); });
    for (int row = 0; row < 3; ++row) {
        HandleCommand(kGroupRowIds[Index(row)], BN_CLICKED, [this, row] {
            SetRowDigits(row, DigitFlags {});
            UpdateButtons();
        });
        HandleCommand(kGroupCategoryIds[Index(row)], CBN_SELCHANGE, [this, row] { OnCategoryChosen(row); });
        for (int digit = 0; digit < 10; ++digit)
            HandleCommand(DigitButtonId(row, digit), BN_CLICKED, [this, row] { OnDigitClicked(row); });
    }
    for (const UINT forwarded : { IDC_GROUP_GENERATE, IDC_GROUP_FILTER, IDC_GROUP_CLOSE })
        HandleCommand(forwarded, BN_CLICKED, [this] { ForwardCurrentMessage(GetParent()); });
}

BOOL GroupingPanel::OnInitDialog()
{
    SkinnedPage::OnInitDialog();
    LoadBitmaps();
    SkinControls();
    SetTooltips();
    SetActiveDigits(true);
    FillCategoryBoxes();
    UpdateButtons();
    return TRUE;
}

void GroupingPanel::LoadBitmaps()
{
    m_modeImage.LoadFromFile("Skin\\CmbMode.bmp");
    for (int digit = 0; digit < 10; ++digit)
        m_digitImages[Index(digit)].LoadFromFile(("Skin\\Num" + std::to_string(digit) + ".bmp").c_str());
    m_blueButton.LoadFromFile("Skin\\BlueBtn.bmp");
}

void GroupingPanel::SkinControls()
{
    m_frame.SubclassDlgItem(IDC_GROUP_FRAME, this);
    for (std::size_t i = 0; i < m_panelButtons.size(); ++i) {
        m_panelButtons[i].SubclassDlgItem(kPanelButtonIds[i], this);
        m_panelButtons[i].SetSkin(m_blueButton);
    }
    for (int row = 0; row < 3; ++row) {
        const std::size_t r = Index(row);
        m_rowButtons[r].SubclassDlgItem(kGroupRowIds[r], this);
        m_rowButtons[r].SetSkin(m_blueButton);
        m_modeBoxes[r].SubclassDlgItem(kGroupModeIds[r], this);
        m_modeBoxes[r].SetCheckImage(m_modeImage);
        m_categoryBoxes[r].SubclassDlgItem(kGroupCategoryIds[r], this);
        for (int digit = 0; digit < 10; ++digit) {
            DigitButton(row, digit).SubclassDlgItem(DigitButtonId(row, digit), this);
            DigitButton(row, digit).SetCheckImage(m_digitImages[Index(digit)]);
        }
    }
}

void GroupingPanel::SetTooltips()
{
    for (std::size_t r = 0; r < 3; ++r) {
        m_modeBoxes[r].SetTooltip(kPositionalModeTip);
        m_rowButtons[r].SetTooltip(kPositional[r].buttonTip);
    }
    for (std::size_t i = 0; i < m_panelButtons.size(); ++i)
        m_panelButtons[i].SetTooltip(kPanelTips[i]);
}

void GroupingPanel::FillCategoryBoxes()
{
    for (CBaseComboBox& box : m_categoryBoxes) {
        box.AddString(CString(kCustomCategory));
        for (const DigitCategory& category : DigitCategories())
            box.AddString(CString(category.name));
        box.SetCurSel(0);
    }
}

CBaseButton& GroupingPanel::PanelButton(UINT id)
{
    for (std::size_t i = 0; i < kPanelButtonIds.size(); ++i) {
        if (kPanelButtonIds[i] == id)
            return m_panelButtons[i];
    }
    return m_panelButtons.back();
}

RowMode GroupingPanel::Mode() const
{
    return RowModeOf(
        m_modeBoxes[0].GetCheck() == 1, m_modeBoxes[1].GetCheck() == 1, m_modeBoxes[2].GetCheck() == 1);
}

DigitFlags GroupingPanel::RowDigits(int row) const
{
    DigitFlags flags {};
    for (std::size_t d = 0; d < flags.size(); ++d)
        flags[d] = m_digits[Index(row)][d].GetCheck() == 1 ? 1 : 0;
    return flags;
}

DigitRows GroupingPanel::Rows() const
{
    return { RowDigits(0), RowDigits(1), RowDigits(2) };
}

void GroupingPanel::SyncCategoryBox(int row)
{
    m_categoryBoxes[Index(row)].SetCurSel(MatchingCategory(RowDigits(row)));
}

void GroupingPanel::UpdateButtons()
{
    const RowMode mode = Mode();
    const PanelButtonStates states = ButtonStatesFor(mode, Rows());
    for (int row = 0; row < 3; ++row) {
        if (IsRowActive(mode, row))
            m_rowButtons[Index(row)].EnableWindow(states.rowButton[Index(row)]);
    }
    PanelButton(IDC_GROUP_GENERATE).EnableWindow(states.group);
    PanelButton(IDC_GROUP_SELECT_ALL).EnableWindow(states.selectAll);
    PanelButton(IDC_GROUP_CLEAR_ALL).EnableWindow(states.clearAll);
}

void GroupingPanel::SetActiveDigits(bool selected)
{
    const RowMode mode = Mode();
    for (int row = 0; row < 3; ++row) {
        if (!IsRowActive(mode, row))
            continue;
        DigitFlags flags {};
        flags.fill(selected ? 1 : 0);
        SetRowDigits(row, flags);
    }
}

void GroupingPanel::ClearAll()
{
    SetActiveDigits(false);
    for (CBaseComboBox& box : m_categoryBoxes)
        box.SetCurSel(0);
    UpdateButtons();
}

void GroupingPanel::SetRowDigits(int row, const DigitFlags& digits)
{
    for (int digit = 0; digit < 10; ++digit)
        DigitButton(row, digit).SetCheck(digits[Index(digit)] ? 1 : 0);
}

void GroupingPanel::OnDigitClicked(int row)
{
    SyncCategoryBox(row);
    UpdateButtons();
}

void GroupingPanel::OnCategoryChosen(int row)
{
    const int index = m_categoryBoxes[Index(row)].GetCurSel();
    if (index <= 0)
        return;
    SetRowDigits(row, CategoryDigits(index));
    UpdateButtons();
}

void GroupingPanel::EnableRow(int row, bool enable)
{
    const std::size_t r = Index(row);
    m_modeBoxes[r].EnableWindow(enable);
    m_rowButtons[r].EnableWindow(enable);
    m_categoryBoxes[r].EnableWindow(enable);
    for (CBaseCheckBox& digit : m_digits[r])
        digit.EnableWindow(enable);
    m_rowButtons[r].SetWindowText(enable ? kPositional[r].button : kDisabledRow);
}

void GroupingPanel::OnPairModeClicked(int row)
{
    const int state = m_modeBoxes[Index(row)].GetCheck();
    m_modeBoxes[0].SetCheck(state);
    m_modeBoxes[1].SetCheck(state);
    EnableRow(2, state == 0);
    for (std::size_t r = 0; r < 2; ++r) {
        m_modeBoxes[r].SetTooltip(state ? kPickingModeTips[r] : kPositionalModeTip);
        m_rowButtons[r].SetWindowText(state ? kPicking[r].button : kPositional[r].button);
        m_rowButtons[r].SetTooltip(state ? kPicking[r].buttonTip : kPositional[r].buttonTip);
    }
    UpdateButtons();
}

void GroupingPanel::OnTripleModeClicked()
{
    const int state = m_modeBoxes[2].GetCheck();
    EnableRow(0, state == 0);
    EnableRow(1, state == 0);
    m_modeBoxes[2].SetTooltip(state ? kPickingModeTips[2] : kPositionalModeTip);
    m_rowButtons[2].SetWindowText(state ? kPicking[2].button : kPositional[2].button);
    m_rowButtons[2].SetTooltip(state ? kPicking[2].buttonTip : kPositional[2].buttonTip);
    UpdateButtons();
}

void GroupingPanel::Place(CWnd& control, const Rect& rect)
{
    control.SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
        SWP_NOZORDER | SWP_NOACTIVATE);
}

void GroupingPanel::SetLayoutMode(int mode)
{
    if (mode == m_layoutMode)
        return;
    m_layoutMode = mode;
    const PanelLayout layout = LayoutPanel(mode);
    Place(m_frame, layout.frame);
    Place(PanelButton(IDC_GROUP_SELECT_ALL), layout.selectAll);
    Place(PanelButton(IDC_GROUP_CLEAR_ALL), layout.clearAll);
    for (int row = 0; row < 3; ++row) {
        const PanelRowLayout& placed = layout.rows[Index(row)];
        Place(m_modeBoxes[Index(row)], placed.modeBox);
        Place(m_rowButtons[Index(row)], placed.rowButton);
        Place(m_categoryBoxes[Index(row)], placed.categoryBox);
        for (int digit = 0; digit < 10; ++digit)
            Place(DigitButton(row, digit), placed.digits[Index(digit)]);
    }
    Place(PanelButton(IDC_GROUP_GENERATE), layout.group);
    Place(PanelButton(IDC_GROUP_FILTER), layout.filter);
    Place(PanelButton(IDC_GROUP_CLOSE), layout.close);
    Invalidate(TRUE);
    UpdateWindow();
}

} // namespace vesk
