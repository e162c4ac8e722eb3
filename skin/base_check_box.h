#pragma once
// CBaseCheckBox: a toggle drawn from a two-cell image (off, on) with
// left-aligned text and a balloon tooltip. Only a left mouse press toggles it,
// before the parent's BN_CLICKED arrives; the keyboard clicks without toggling.
// The state lives here, never in the window.

#include "framework/cbutton.h"
#include "skin/skin_tooltip.h"
#include "skin/two_cell_item.h"

namespace vesk {

class CBaseCheckBox : public CButton {
public:
    CBaseCheckBox() = default;
    ~CBaseCheckBox() override;

    // Stores and repaints only when the value changes.
    void SetCheck(int check);
    int GetCheck() const { return m_checked; }
    // Borrows the image; cell width 0 for a null bitmap.
    void SetCheckImage(HBITMAP bitmap);
    BOOL SetTooltip(const CString& text, BOOL activate = TRUE);

    BOOL PreTranslateMessage(MSG* msg) override;
    void PreSubclassWindow() override;
    void DrawItem(DRAWITEMSTRUCT* item) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    CToolTipCtrl* Tooltip() { return m_tooltip.get(); }

private:
    int m_checked = 0;
    skin::TwoCellImage m_image;
    skin::SkinTooltip m_tooltip;
};

} // namespace vesk
