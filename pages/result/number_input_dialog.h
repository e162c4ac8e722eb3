#pragma once
// NumberInputDialog (template 8425): asks for one number of D digits, D
// being the game's digits per number. Opened empty it is titled 增加号码
// (add), else 修改号码 (change) with the number to change. OK is enabled
// only while the edit holds D characters; confirming the unchanged text
// ends the dialog as if cancelled. While the edit has the focus the host's
// digit pad is offered to type into it.

#include "framework/gdi_objects.h"
#include "host/host_services.h"
#include "skin/base_button.h"
#include "skin/base_dialog.h"
#include "skin/base_edit.h"

#include <array>
#include <cstdint>
#include <string>

namespace vesk::result {

class NumberInputDialog : public CBaseDialog {
public:
    // digits: D (1..8); pad may be null (no digit pad offered).
    NumberInputDialog(std::string initialText, int digits, IDigitPadService* pad, CWnd* parent = nullptr);

    // After IDOK: the entered digit values, first digit first, zeros after D.
    const std::array<std::uint8_t, 8>& Digits() const { return m_digits; }

    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void OnEditUpdate();
    LRESULT OnEditFocusMove();

    std::string m_initialText;
    int m_length;
    IDigitPadService* m_pad;
    std::array<std::uint8_t, 8> m_digits{};
    CBitmap m_buttonSkin;
    CBaseEdit m_edit;
    CBaseButton m_ok;
    CBaseButton m_cancel;
};

} // namespace vesk::result
