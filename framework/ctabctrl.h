#pragma once
// CTabCtrl: the tab heads (QTabBar). A user click sends TCN_SELCHANGING and
// TCN_SELCHANGE through WM_NOTIFY; SetCurSel by program sends nothing.

#include "framework/cwnd.h"

namespace vesk {

class CTabCtrl : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    using CWnd::Create;

    LONG InsertItem(int index, const CString& text);
    BOOL DeleteItem(int index);
    BOOL DeleteAllItems();
    int GetItemCount() const;
    int GetCurSel() const;
    // Returns the previous selection, -1 on a bad index.
    int SetCurSel(int index);
    BOOL GetItemRect(int index, RECT* rect) const;
    BOOL GetItem(int index, TCITEM* item) const;
    BOOL SetItem(int index, TCITEM* item);
    CString GetItemText(int index) const;
    // larger FALSE: window rectangle → display area; TRUE: the reverse.
    void AdjustRect(BOOL larger, RECT* rect) const;
};

} // namespace vesk
