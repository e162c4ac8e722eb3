// CEdit: the edit operations as messages to the control.
#include "framework/cedit.h"

namespace vesk {

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("Edit", nullptr, style, rect, parent, id);
}

void CEdit::SetSel(int start, int end, BOOL noScroll)
{
    SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end);
    if (!noScroll)
        SendMessage(EM_SCROLLCARET);
}

void CEdit::GetSel(int& start, int& end) const
{
    DWORD s = 0;
    DWORD e = 0;
    const_cast<CEdit*>(this)->SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    start = static_cast<int>(s);
    end = static_cast<int>(e);
}

void CEdit::ReplaceSel(const CString& text, BOOL canUndo)
{
    SendMessage(EM_REPLACESEL, static_cast<WPARAM>(canUndo), reinterpret_cast<LPARAM>(text.c_str()));
}

void CEdit::AppendText(const CString& text) { SendMessage(EM_APPENDTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())); }

void CEdit::SetLimitText(UINT maxBytes) { SendMessage(EM_LIMITTEXT, maxBytes); }
UINT CEdit::GetLimitText() const { return static_cast<UINT>(const_cast<CEdit*>(this)->SendMessage(EM_GETLIMITTEXT)); }
int CEdit::GetLineCount() const { return static_cast<int>(const_cast<CEdit*>(this)->SendMessage(EM_GETLINECOUNT)); }
int CEdit::LineIndex(int line) const { return static_cast<int>(const_cast<CEdit*>(this)->SendMessage(EM_LINEINDEX, static_cast<WPARAM>(line))); }
int CEdit::LineLength(int offset) const
{
    return static_cast<int>(const_cast<CEdit*>(this)->SendMessage(EM_LINELENGTH, static_cast<WPARAM>(offset)));
}
int CEdit::LineFromChar(int offset) const
{
    return static_cast<int>(const_cast<CEdit*>(this)->SendMessage(EM_LINEFROMCHAR, static_cast<WPARAM>(offset)));
}
int CEdit::GetFirstVisibleLine() const { return static_cast<int>(const_cast<CEdit*>(this)->SendMessage(EM_GETFIRSTVISIBLELINE)); }
void CEdit::LineScroll(int lines, int chars) { SendMessage(EM_LINESCROLL, static_cast<WPARAM>(chars), lines); }
BOOL CEdit::SetReadOnly(BOOL readOnly) { return static_cast<BOOL>(SendMessage(EM_SETREADONLY, static_cast<WPARAM>(readOnly))); }
BOOL CEdit::GetModify() const { return static_cast<BOOL>(const_cast<CEdit*>(this)->SendMessage(EM_GETMODIFY)); }
void CEdit::SetModify(BOOL modified) { SendMessage(EM_SETMODIFY, static_cast<WPARAM>(modified)); }
BOOL CEdit::CanUndo() const { return static_cast<BOOL>(const_cast<CEdit*>(this)->SendMessage(EM_CANUNDO)); }
BOOL CEdit::Undo() { return static_cast<BOOL>(SendMessage(EM_UNDO)); }
void CEdit::Clear() { SendMessage(WM_CLEAR); }
void CEdit::Copy() { SendMessage(WM_COPY); }
void CEdit::Cut() { SendMessage(WM_CUT); }
void CEdit::Paste() { SendMessage(WM_PASTE); }

} // namespace vesk
