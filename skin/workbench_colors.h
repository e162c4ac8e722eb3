#pragma once
// The workbench's background: its panes, pages and dialogs are filled with it,
// and static text is drawn transparently on it.

#include "framework/win_types.h"

namespace vesk {

inline constexpr COLORREF kWorkbenchBackground = RGB(250, 252, 254);

} // namespace vesk
