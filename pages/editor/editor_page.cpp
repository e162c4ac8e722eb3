#include "pages/editor/editor_page.h"

#include "framework/messages.h"
#include "framework/styles.h"
#include "numbers/presence.h"
#include "pages/editor/editor_layout.h"
#include "pages/editor/editor_print.h"
#include "pages/text/text_file_loading.h"
#include "pages/text/text_page.h"

#include <string>

namespace vesk {

namespace {

constexpr std::array<UINT, 6> kButtonIds { IDC_EDITOR_OPEN, IDC_EDITOR_SAVE, IDC_EDITOR_CLEAR,
    IDC_EDITOR_PRINT, IDC_EDITOR_COUNT, IDC_EDITOR_TRANSFER };

struct ButtonLook {
    const char* tooltip;
    int icon; // index into the page's icons, -1 for none
};

constexpr std::array<ButtonLook, 6> kButtonLooks { {
    { "从文件加载号码到编辑器", 0 },
    { "将编辑器中的号码保存到文件", 1 },
    { "清空编辑器中的号码", 2 },
    { "打印编辑器中的号码", -1 },
    { "对编辑器中的号码进行次数统计", 3 },
    { "将编辑器中的号码转至缩水器", 4 },
} };

constexpr std::array<const char*, 5> kIconFiles { "Skin\\EditOpen.bmp", "Skin\\EditSave.bmp",
    "Skin\\EditClr.bmp", "Skin\\EditStat.bmp", "Skin\\EditFlt.bmp" };

constexpr const char* kColumnCounts[] = { "1", "5", "10", "15", "20", "25", "30", "35", "40", "45", "50" };

constexpr const char* kToResultTip = "将编辑器中的号码转至缩水器";
constexpr const char* kToStagingTip = "将编辑器中的内容转至暂存区";

void MoveKeepingSize(CWnd& control, int x, int y)
{
    control.SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

EditorPage::EditorPage(IHostObject* host)
    : SkinnedPage(IDD_EDITOR_PAGE)
    , m_host(host)
{
    HandleMessage(WM_SIZE, [this](WPARAM, LPARAM) {
        Layout();
        return LRESULT { 0 };
    });
    HandleCommand(IDC_EDITOR_TEXT, EN_CHANGE, [this] { UpdateButtons(); });
    HandleCommand(IDC_EDITOR_OPEN, BN_CLICKED, [this] { Load(); });
    HandleCommand(IDC_EDITOR_SAVE, BN_CLICKED, [this] { Save(); });
    HandleCommand(IDC_EDITOR_CLEAR, BN_CLICKED, [this] { Clear(); });
    HandleCommand(IDC_EDITOR_PRINT, BN_CLICKED, [this] { Print(); });
    HandleCommand(IDC_EDITOR_COUNT, BN_CLICKED, [this] { ForwardCurrentMessage(m_workbench); });
    HandleCommand(IDC_EDITOR_TRANSFER, BN_CLICKED, [this] { ForwardCurrentMessage(m_workbench); });
    HandleCommand(IDC_EDITOR_ONE_PER_LINE, BN_CLICKED, [this] {
        ChooseColumns(ColumnChoice::OnePerLine);
        SaveColumns();
    });
    HandleCommand(IDC_EDITOR_CUSTOM_COLUMNS, BN_CLICKED, [this] {
        ChooseColumns(ColumnChoice::Custom);
        SaveColumns();
    });
    HandleCommand(IDC_EDITOR_NO_COLUMNS, BN_CLICKED, [this] {
        ChooseColumns(ColumnChoice::NoColumns);
        SaveColumns();
    });
    // Typing a count means the custom choice; it is stored once the box is left.
    HandleCommand(IDC_EDITOR_COLUMN_COUNT, CBN_SETFOCUS, [this] { ChooseColumns(ColumnChoice::Custom); });
    HandleCommand(IDC_EDITOR_COLUMN_COUNT, CBN_KILLFOCUS, [this] { SaveColumns(); });
}

EditorPage::~EditorPage() = default;

BOOL EditorPage::Create(CWnd* parent)
{
    return SkinnedPage::Create(IDD_EDITOR_PAGE, parent);
}

BOOL EditorPage::OnInitDialog()
{
    SkinnedPage::OnInitDialog();
    CWnd* parent = GetParent();
    CWnd* grandparent = parent ? parent->GetParent() : nullptr;
    m_workbench = grandparent ? grandparent : parent;

    m_whiteButton.LoadFromFile("Skin\\WhiteBtn.bmp");
    m_radioImage.LoadFromFile("Skin\\Radio.bmp");
    for (std::size_t i = 0; i < kIconFiles.size(); ++i)
        m_icons[i].LoadFromFile(kIconFiles[i]);

    CreateTextFont(m_font);
    m_text.SubclassDlgItem(IDC_EDITOR_TEXT, this);
    m_text.SetFont(&m_font);
    m_text.SetLimitText(0xFFFFFF);
    m_text.CreateScrollBars();

    SetUpButtons();
    SetUpColumnControls();
    UpdateButtons();
    Layout();
    return TRUE;
}

void EditorPage::SetUpButtons()
{
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i].SubclassDlgItem(kButtonIds[i], this);
        m_buttons[i].SetSkin(m_whiteButton);
        m_buttons[i].SetTooltip(kButtonLooks[i].tooltip);
        if (kButtonLooks[i].icon >= 0)
            m_buttons[i].SetIcon(m_icons[static_cast<std::size_t>(kButtonLooks[i].icon)]);
    }
}

void EditorPage::SetUpColumnControls()
{
    m_onePerLine.SubclassDlgItem(IDC_EDITOR_ONE_PER_LINE, this);
    m_custom.SubclassDlgItem(IDC_EDITOR_CUSTOM_COLUMNS, this);
    m_noColumns.SubclassDlgItem(IDC_EDITOR_NO_COLUMNS, this);
    for (CBaseRadio* radio : { &m_onePerLine, &m_custom, &m_noColumns })
        radio->SetImage(m_radioImage);
    m_columnCount.SubclassDlgItem(IDC_EDITOR_COLUMN_COUNT, this);
    for (const char* count : kColumnCounts)
        m_columnCount.AddString(count);

    std::uint8_t record[kColumnRecordSize] = {};
    SlotInt length = 0;
    if (auto* environment
        = m_host ? static_cast<IEnvironmentService*>(m_host->GetService(kServiceEnvironment)) : nullptr) {
        // Asked for the length first: a longer record would not fit the buffer.
        if (environment->ReadOption(kColumnOptionId, nullptr) == static_cast<SlotInt>(kColumnRecordSize))
            length = environment->ReadOption(kColumnOptionId, record);
    }
    m_columns = DecodeColumnSetting(record, static_cast<std::size_t>(length));
    ChooseColumns(ChoiceOf(m_columns));
    m_columnCount.SetWindowText(std::to_string(ShownCount(m_columns)));
}

CBaseButton& EditorPage::Button(UINT id)
{
    for (std::size_t i = 0; i < kButtonIds.size(); ++i) {
        if (kButtonIds[i] == id)
            return m_buttons[i];
    }
    return m_buttons.back();
}

CBaseRadio& EditorPage::Radio(UINT id)
{
    if (id == IDC_EDITOR_ONE_PER_LINE)
        return m_onePerLine;
    return id == IDC_EDITOR_CUSTOM_COLUMNS ? m_custom : m_noColumns;
}

void EditorPage::SetText(const CString& text)
{
    m_text.SetText(text);
    UpdateButtons();
}

void EditorPage::AppendBlockText(const CString& block, AppendedCaret caret)
{
    AppendBlockTo(m_text, block, caret);
    UpdateButtons();
}

void EditorPage::UpdateButtons()
{
    if (!m_text.GetSafeHwnd())
        return;
    EnableControls({ &m_buttons[1], &m_buttons[2], &m_buttons[3], &m_buttons[4], &m_buttons[5] },
        m_text.GetWindowTextLength() > 0);
}

bool EditorPage::GetEditorNumbers(C3DUIntArray& target) const
{
    return ParsePresence(Text(), target);
}

void EditorPage::ShowTransferTarget(bool toStaging)
{
    m_buttons[5].SetTooltip(toStaging ? kToStagingTip : kToResultTip);
}

void EditorPage::Layout()
{
    for (CWnd* control :
        { static_cast<CWnd*>(&m_text), static_cast<CWnd*>(&m_onePerLine), static_cast<CWnd*>(&m_custom),
            static_cast<CWnd*>(&m_noColumns), static_cast<CWnd*>(&m_columnCount) }) {
        if (!control->GetSafeHwnd())
            return;
    }
    for (const CBaseButton& button : m_buttons) {
        if (!button.GetSafeHwnd())
            return;
    }
    CWnd* label = GetDlgItem(IDC_EDITOR_COLUMNS_LABEL);
    if (!label)
        return;
    RECT client;
    GetClientRect(&client);
    CRect noColumns;
    m_noColumns.GetWindowRect(&noColumns);
    const EditorLayout layout = LayoutEditor(client.right, client.bottom, noColumns.Width());
    m_text.MoveWindow(layout.edit);
    MoveKeepingSize(*label, layout.label.x, layout.label.y);
    MoveKeepingSize(m_onePerLine, layout.onePerLine.x, layout.onePerLine.y);
    MoveKeepingSize(m_custom, layout.custom.x, layout.custom.y);
    MoveKeepingSize(m_columnCount, layout.combo.x, layout.combo.y);
    MoveKeepingSize(m_noColumns, layout.noColumns.x, layout.noColumns.y);
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i].MoveWindow(layout.buttons[i]);
    Invalidate();
}

void EditorPage::Load()
{
    const LoadedTexts loaded = AskForTextFiles(this, FileChoice::Several);
    if (!loaded.files.empty()) {
        AppendBlockTo(m_text, FollowedByBlankLines(loaded.files), AppendedCaret::AtBlock);
        RedrawWindow();
    }
    ReportUnreadable(this, loaded.unreadable);
    UpdateButtons();
}

void EditorPage::Save()
{
    m_text.SaveTextAs(DefaultFileName(m_host, "编辑器文本"));
}

void EditorPage::Clear()
{
    m_text.SetText(CString {});
    m_text.SetFocus();
    UpdateButtons();
}

void EditorPage::Print()
{
    switch (PrintNumbers(m_host, Text())) {
    case PrintOutcome::NothingToPrint:
        MessageBox("编辑器的数字个数不够组成号码", "提示信息", MB_OK | MB_ICONINFORMATION);
        break;
    case PrintOutcome::NoComponent:
        MessageBox("无法加载打印组件，不能打印。", "提示信息", MB_OK | MB_ICONINFORMATION);
        break;
    case PrintOutcome::Printed:
        break;
    }
}

void EditorPage::ChooseColumns(ColumnChoice choice)
{
    m_onePerLine.SetCheck(choice == ColumnChoice::OnePerLine);
    m_custom.SetCheck(choice == ColumnChoice::Custom);
    m_noColumns.SetCheck(choice == ColumnChoice::NoColumns);
}

void EditorPage::SaveColumns()
{
    ColumnChoice choice = ColumnChoice::Custom;
    if (m_onePerLine.GetCheck())
        choice = ColumnChoice::OnePerLine;
    else if (m_noColumns.GetCheck())
        choice = ColumnChoice::NoColumns;
    m_columns = SettingFromControls(m_columnCount.GetWindowText(), choice);
    const auto record = EncodeColumnSetting(m_columns);
    if (auto* environment
        = m_host ? static_cast<IEnvironmentService*>(m_host->GetService(kServiceEnvironment)) : nullptr)
        environment->WriteOption(kColumnOptionId, static_cast<SlotInt>(record.size()), record.data());
}

} // namespace vesk
