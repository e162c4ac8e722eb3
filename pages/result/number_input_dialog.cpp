#include "pages/result/number_input_dialog.h"

#include "framework/framework.h"
#include "pages/result/result_ids.h"
#include "skin/focus_message.h"

#include <algorithm>
#include <cstdio>

namespace vesk::result {

NumberInputDialog::NumberInputDialog(std::string initialText, int digits, IDigitPadService* pad, CWnd* parent)
    : CBaseDialog(kNumberInputTemplate, parent), m_initialText(std::move(initialText)),
      m_length(std::clamp(digits, 1, 8)), m_pad(pad)
{
    HandleCommand(kNumberEdit, EN_UPDATE, [this] { OnEditUpdate(); });
    HandleMessage(WM_EDIT_FOCUS_MOVE, [this](WPARAM, LPARAM) { return OnEditFocusMove(); });
}

BOOL NumberInputDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_buttonSkin.LoadFromFile("Skin\\WhiteBtn.bmp");
    m_edit.SubclassDlgItem(kNumberEdit, this);
    m_ok.SubclassDlgItem(IDOK, this);
    m_cancel.SubclassDlgItem(IDCANCEL, this);
    m_ok.SetSkin(m_buttonSkin);
    m_cancel.SetSkin(m_buttonSkin);
    m_edit.SetAllowedChars("0123456789");
    m_edit.SetLimitText(static_cast<UINT>(m_length));
    if (m_initialText.empty())
        SetWindowText("增加号码");
    m_edit.SetWindowText(m_initialText);
    OnEditUpdate();
    m_edit.SetFocus();
    m_edit.SetSel(0, -1);
    return FALSE;
}

void NumberInputDialog::OnEditUpdate()
{
    m_ok.EnableWindow(m_edit.GetWindowText().size() == static_cast<std::size_t>(m_length));
}

LRESULT NumberInputDialog::OnEditFocusMove()
{
    if (!m_pad || ::vesk::GetFocus() != m_edit.m_hWnd || m_pad->IsActive() != 0)
        return 0;
    m_pad->Attach(ToWindowHandle(), m_edit.ToWindowHandle(), 0, 0);
    for (int digit = 0; digit <= 9; ++digit) {
        char text[4];
        std::snprintf(text, sizeof text, "%d", digit);
        m_pad->AddKey(text, text);
        m_pad->Arrange(4, 0);
    }
    m_pad->Show(5);
    return 0;
}

void NumberInputDialog::OnOK()
{
    const CString text = m_edit.GetWindowText();
    // Enter can reach here with OK disabled; only a whole number of digits counts.
    if (text.size() != static_cast<std::size_t>(m_length)
        || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return;
    if (text == m_initialText) {
        EndDialog(IDCANCEL);
        return;
    }
    m_digits.fill(0);
    for (int i = 0; i < m_length; ++i)
        m_digits[std::size_t(i)] = static_cast<std::uint8_t>(text[std::size_t(i)] - '0');
    CBaseDialog::OnOK();
}

} // namespace vesk::result
