#include "skin/skin_tooltip.h"

namespace vesk::skin {

BOOL SkinTooltip::Set(CWnd* control, const CString& text, BOOL activate)
{
    if (!m_tip) {
        m_tip = std::make_unique<CToolTipCtrl>();
        m_tip->Create(control, TTS_BALLOON);
        m_tip->SendMessage(TTM_ACTIVATE, TRUE);
        m_tip->SendMessage(TTM_SETMAXTIPWIDTH, 0, 400);
        m_tip->SendMessage(TTM_SETDELAYTIME, TTDT_INITIAL, 200);
    }
    if (m_tip->SendMessage(TTM_GETTOOLCOUNT) == 0) {
        RECT client;
        control->GetClientRect(&client);
        m_tip->AddTool(control, text, &client, 1);
    }
    m_tip->UpdateTipText(text, control, 1);
    return static_cast<BOOL>(m_tip->SendMessage(TTM_ACTIVATE, activate));
}

void SkinTooltip::Relay(MSG* msg)
{
    if (m_tip)
        m_tip->SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}

void SkinTooltip::Destroy()
{
    if (m_tip && m_tip->IsWindow())
        m_tip->DestroyWindow();
    m_tip.reset();
}

} // namespace vesk::skin
