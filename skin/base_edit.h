#pragma once
// CBaseEdit: an entry field with a two-line drawn frame (its colour shows
// whether the field is enabled), Ctrl+A select-all, an optional set of
// allowed characters and the focus mouse-move notification to its dialog.

#include "framework/cedit.h"

#include <string>

namespace vesk {

class CBaseEdit : public CEdit {
public:
    // Characters the user may type (UTF-8); empty allows everything. Letters
    // are compared by their capital, so "ABC" also admits "abc".
    void SetAllowedChars(const CString& allowed);
    const std::u32string& AllowedChars() const { return m_allowed; }

    // Also repaints the frame in the colour of the new state.
    BOOL EnableWindow(BOOL enable = TRUE);

    BOOL PreTranslateMessage(MSG* msg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    static constexpr COLORREF kEnabledFrame = RGB(127, 157, 185);
    static constexpr COLORREF kDisabledFrame = RGB(201, 199, 186);

private:
    void PaintFrame();

    std::u32string m_allowed;
};

} // namespace vesk
