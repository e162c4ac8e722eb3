#pragma once
// The private message skinned edits send their dialog on every mouse move
// while they hold the focus; wParam is the edit's control id, lParam 0.

#include "framework/cwnd.h"

namespace vesk {

inline constexpr UINT WM_EDIT_FOCUS_MOVE = WM_USER + 1210;

namespace skin {

inline void NotifyFocusedMouseMove(CWnd& edit)
{
    if (GetFocus() == edit.m_hWnd)
        if (CWnd* parent = edit.GetParent())
            parent->SendMessage(WM_EDIT_FOCUS_MOVE, static_cast<WPARAM>(edit.GetDlgCtrlID()), 0);
}

} // namespace skin
} // namespace vesk
