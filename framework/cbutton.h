#pragma once
// CButton: push button, check box, radio button or group box by style
// (BS_TYPEMASK). Clicks reach the parent as WM_COMMAND BN_CLICKED. Auto
// check boxes and radio buttons toggle before that; the other kinds do not.
// A BS_OWNERDRAW button is painted by DrawItem, reached through WM_DRAWITEM
// to the parent and reflected back here.

#include "framework/cwnd.h"

namespace vesk {

class CButton : public CWnd {
public:
    BOOL Create(LPCSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    using CWnd::Create;

    int GetCheck() const;
    void SetCheck(int check);
    UINT GetState() const;
    void SetState(BOOL highlight);
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT style, BOOL redraw = TRUE);

    virtual void DrawItem(DRAWITEMSTRUCT* item) {}
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

} // namespace vesk
