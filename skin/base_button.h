#pragma once
// CBaseButton: a push button drawn from a four-state skin strip (normal, hot,
// pressed, disabled), with an optional magenta-keyed icon, centred text and a
// balloon tooltip. The strip and the icon are borrowed from the window that
// loaded them; the button owns only the icon's mask and its tooltip.

#include "framework/cbutton.h"
#include "framework/gdi_objects.h"
#include "skin/skin_tooltip.h"

namespace vesk {

class CBaseButton : public CButton {
public:
    CBaseButton() = default;
    ~CBaseButton() override;

    // Borrows the strip (null: the button draws only its white fill).
    void SetSkin(HBITMAP bitmap);
    // Borrows the icon and builds the mask that keeps its magenta pixels
    // transparent, with a copy whose magenta is blacked out for drawing. The
    // lent bitmap is left as it is, since one icon may serve several buttons.
    // The key is always magenta; the second argument is accepted for callers
    // that name it.
    void SetIcon(HBITMAP bitmap, COLORREF transparentColour = RGB(255, 0, 255));
    BOOL SetTooltip(const CString& text, BOOL activate = TRUE);

    BOOL PreTranslateMessage(MSG* msg) override;
    void PreSubclassWindow() override;
    void DrawItem(DRAWITEMSTRUCT* item) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    bool IsHot() const { return m_hot != 0; }
    CToolTipCtrl* Tooltip() { return m_tooltip.get(); }

private:
    void DrawIconAt(CDC* dc, int x, int y, bool disabled);
    void DrawLabel(CDC* dc, RECT rect, UINT state);

    int m_hot = 0;
    CBitmap m_mask;
    CBitmap m_icon;      // borrowed
    CBitmap m_keyedIcon; // owned: the icon with its key blacked out
    CBitmap m_skin;
    skin::SkinTooltip m_tooltip;
};

} // namespace vesk
