#pragma once
// CEdit: single-line (QLineEdit) or, with ES_MULTILINE, multi-line
// (QPlainTextEdit). The text of a multi-line edit ends its lines in "\r\n",
// and every offset (selection, line index, text limit) counts bytes of that
// UTF-8 text, whatever Qt keeps inside. Changes reach the parent as EN_UPDATE
// then EN_CHANGE. Scroll information of a multi-line edit is in lines
// (vertical) and pixels (horizontal).

#include "framework/cwnd.h"

namespace vesk {

// The framework's own edit message: the text in lParam (UTF-8, any line ends)
// goes at the end without moving the caret, the selection or the view. Like
// WM_SETTEXT it is the program's change: the text limit does not cut it.
inline constexpr UINT EM_APPENDTEXT = WM_USER + 0x300;

class CEdit : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    using CWnd::Create;

    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void GetSel(int& start, int& end) const;
    void ReplaceSel(const CString& text, BOOL canUndo = FALSE);
    // Adds text at the end without reading the whole text (EM_APPENDTEXT).
    void AppendText(const CString& text);
    void SetLimitText(UINT maxBytes);
    UINT GetLimitText() const;
    int GetLineCount() const;
    int LineIndex(int line = -1) const;
    int LineLength(int offset = -1) const;
    int LineFromChar(int offset = -1) const;
    int GetFirstVisibleLine() const;
    void LineScroll(int lines, int chars = 0);
    BOOL SetReadOnly(BOOL readOnly = TRUE);
    BOOL GetModify() const;
    void SetModify(BOOL modified = TRUE);
    BOOL CanUndo() const;
    BOOL Undo();
    void Clear();
    void Copy();
    void Cut();
    void Paste();
};

} // namespace vesk
