#include "pages/options/options_dialog.h"

#include "framework/framework.h"
#include "pages/options/arrange_columns.h"

namespace vesk::options {
namespace {

constexpr int kDisplayFrame = 7006;
constexpr int kSaveFrame = 8951;
constexpr int kConvertFrame = 8953;

} // namespace

DialogTemplate OptionsDialogTemplate()
{
    DialogTemplate dialog;
    dialog.id = kOptionsTemplate;
    dialog.caption = "选项设置";
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    dialog.cx = 196;
    dialog.cy = 150;
    dialog.controls = {
        {kDisplayFrame, "Button", "显示选项", 8, 6, 180, 34, BS_GROUPBOX},
        {int(kArrangeButton), "Button", "缩水器显示选项", 48, 18, 100, 15, BS_PUSHBUTTON | WS_TABSTOP},
        {kSaveFrame, "Button", "保存选项", 8, 44, 180, 30, BS_GROUPBOX},
        {int(kKeepCheck), "Button", "保存条件时保存缩水器号码", 18, 57, 160, 11, BS_AUTOCHECKBOX | WS_TABSTOP},
        {kConvertFrame, "Button", "号码转换选项", 8, 78, 180, 44, BS_GROUPBOX},
        {int(kMatchCheck), "Button", "转入缩水器的号码启用", 18, 91, 160, 11, BS_AUTOCHECKBOX | WS_TABSTOP},
        {-1, "Static", "匹配符", 30, 107, 30, 10, SS_LEFT},
        {int(kMatchEdit), "Edit", "", 62, 105, 22, 13, ES_CENTER | WS_TABSTOP},
        {IDOK, "Button", "确定", 44, 128, 50, 15, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {IDCANCEL, "Button", "取消", 102, 128, 50, 15, BS_PUSHBUTTON | WS_TABSTOP},
    };
    return dialog;
}

OptionsDialog::OptionsDialog(const ResultOptions& options, IHostObject* host, CWnd* parent)
    : CBaseDialog(kOptionsTemplate, parent), m_options(options), m_host(host)
{
    HandleCommand(kArrangeButton, BN_CLICKED, [this] { ArrangeColumns(); });
    HandleCommand(kMatchCheck, BN_CLICKED, [this] { UpdateMatchEdit(); });
}

BOOL OptionsDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_blueSkin.LoadFromFile("Skin\\BlueBtn.bmp");
    m_whiteSkin.LoadFromFile("Skin\\WhiteBtn.bmp");
    m_checkImage.LoadFromFile("Skin\\Checked.bmp");
    const int frames[] = {kDisplayFrame, kSaveFrame, kConvertFrame};
    for (int i = 0; i < 3; ++i)
        m_frames[i].SubclassDlgItem(frames[i], this);
    m_keep.SubclassDlgItem(kKeepCheck, this);
    m_match.SubclassDlgItem(kMatchCheck, this);
    m_matchEdit.SubclassDlgItem(kMatchEdit, this);
    m_keep.SetCheckImage(m_checkImage);
    m_match.SetCheckImage(m_checkImage);
    m_match.SetCheck(m_options.MatchActive() ? 1 : 0);
    m_keep.SetCheck(m_options.KeepWithConditions() ? 1 : 0);
    UpdateMatchEdit();
    for (auto [button, id] : {std::pair{&m_arrange, int(kArrangeButton)}, std::pair{&m_ok, int(IDOK)},
                              std::pair{&m_cancel, int(IDCANCEL)}}) {
        button->SubclassDlgItem(id, this);
        button->SetSkin(m_blueSkin);
    }
    // One byte: a character that needs more cannot be typed.
    m_matchEdit.SetLimitText(1);
    const char match = m_options.MatchCharacter();
    m_matchEdit.SetWindowText(match ? CString(1, match) : CString());
    return TRUE;
}

void OptionsDialog::UpdateMatchEdit()
{
    m_matchEdit.EnableWindow(m_match.GetCheck() == 1);
}

void OptionsDialog::OnOK()
{
    const bool matchActive = m_match.GetCheck() == 1;
    const bool keep = m_keep.GetCheck() == 1;
    const CString text = m_matchEdit.GetWindowText();
    const std::string error = MatchTextError(text);
    if (!error.empty()) {
        MessageBox(error, "提示信息", MB_OK | MB_ICONINFORMATION);
        return;
    }
    m_options.SetMatchActive(matchActive);
    m_options.SetMatchCharacter(text[0]);
    m_options.SetKeepWithConditions(keep);
    CBaseDialog::OnOK();
}

void OptionsDialog::ArrangeColumns()
{
    if (m_host && RunColumnArrangement(*m_host, ToWindowHandle()))
        m_columnsChanged = true;
}

} // namespace vesk::options
