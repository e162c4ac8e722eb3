#pragma once
// CEdit: single-line (QLineEdit) or, with ES_MULTILINE, multi-line
// (QPlainTextEdit). The text of a multi-line edit ends its lines in "\r\n",
// and every offset (selection, line index, text limit) counts bytes of that
// UTF-8 text, whatever Qt keeps inside. Changes reach the parent as EN_UPDATE
// then EN_CHANGE. Scroll information of a multi-line edit is in lines
// (vertical) and pixels (horizontal).

#include "framework/cwnd.h"

namespace vesk {

class CEdit : public CWnd {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    using CWnd::Create;

    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void GetSel(int& start, int& end) const;
    void ReplaceSel(const CString& text, BOOL canUndo = FALSE);
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
