#pragma once
// Measures and item layout of the owner-drawn popup menu. Texts are UTF-8;
// the markers "&" and tab are ASCII, so byte-wise handling is safe.

#include "skin/geometry/rect_ops.h"

#include <string>
#include <string_view>

namespace vesk::skin {

inline constexpr int kMenuItemHeight = 22;
inline constexpr int kMenuSeparatorHeight = 7;
inline constexpr int kMenuExtraWidth = 45;
inline constexpr int kMenuStripWidth = 22;
inline constexpr int kMenuTextLeft = 32;
inline constexpr int kMenuShortcutMargin = 16;

// The text as measured: every "&" removed.
std::string withoutAmpersands(std::string_view text);

// The label before the first tab and the shortcut after it (empty without a tab).
struct MenuText {
    std::string label;
    std::string shortcut;
};
MenuText splitMenuText(std::string_view text);

struct MenuItemSize {
    int width = 0;
    int height = 0;
};
// A separator is 7 high; an item is its text extent plus 45 wide and 22 high.
MenuItemSize menuItemSize(bool separator, int textExtent);

Rect menuLabelRect(int w, int h);
Rect menuShortcutRect(int w, int h);
Rect menuCheckIconRect();

} // namespace vesk::skin
