#pragma once
// Internal to the framework: the popup that shows a menu and returns the
// chosen command. Owner-drawn items are measured and drawn by the owner
// window (WM_MEASUREITEM, WM_DRAWITEM); the others are drawn plainly.

#include "framework/win_types.h"
#include "framework/geometry.h"

namespace vesk::detail {

UINT RunPopupMenu(HMENU menu, HWND owner, POINT screen);

} // namespace vesk::detail
