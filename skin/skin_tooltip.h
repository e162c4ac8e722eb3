#pragma once
// The balloon tooltip that push buttons and check boxes share: created on
// first use, one tool covering the control's client area.

#include "framework/ctooltipctrl.h"

#include <memory>

namespace vesk::skin {

class SkinTooltip {
public:
    // Creates the tip on first call (active, 400 pixels wide, shown after
    // 200 ms), sets the tool's text, then activates or deactivates the tip.
    // Returns the result of the activation message.
    BOOL Set(CWnd* control, const CString& text, BOOL activate);
    // Feeds every message of the control to the tip once it exists.
    void Relay(MSG* msg);
    void Destroy();
    CToolTipCtrl* get() { return m_tip.get(); }

private:
    std::unique_ptr<CToolTipCtrl> m_tip;
};

} // namespace vesk::skin
