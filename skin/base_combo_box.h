#pragma once
// CBaseComboBox: a combo box with a flat two-line frame and its own drop
// button, whose colours follow the hover and the drop-down state.
// CBN_DROPDOWN, CBN_CLOSEUP and CBN_SELCHANGE still reach the parent.

#include "framework/ccombobox.h"

namespace vesk {

class CBaseComboBox : public CComboBox {
public:
    // Selects and repaints; returns the result of the selection message.
    int SetCurSel(int index);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    bool IsHot() const { return m_hot != 0; }
    bool IsDropped() const { return m_dropped != 0; }

private:
    void Paint();

    int m_hot = 0;
    int m_dropped = 0;
};

} // namespace vesk
