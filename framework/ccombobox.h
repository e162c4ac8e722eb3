#pragma once
// CComboBox: CBS_DROPDOWN (editable) or CBS_DROPDOWNLIST. The parent receives
// CBN_DROPDOWN before the list opens, CBN_CLOSEUP after it closes and
// CBN_SELCHANGE when the user changes the selection (not when the program does).

#include "framework/cwnd.h"

namespace vesk {

class CComboBox : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    using CWnd::Create;

    int AddString(const CString& text);
    int InsertString(int index, const CString& text);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int GetLBText(int index, CString& text) const;
    CString GetLBText(int index) const;
    int GetLBTextLen(int index) const;
    int SetItemData(int index, ULONG_PTR data);
    ULONG_PTR GetItemData(int index) const;
    int FindStringExact(int startAfter, const CString& text) const;
    int SelectString(int startAfter, const CString& text);
    void ShowDropDown(BOOL show = TRUE);
    BOOL GetDroppedState() const;
    BOOL LimitText(int maxChars);
};

} // namespace vesk
