#include "skin/geometry/menu_layout.h"

namespace vesk::skin {

std::string withoutAmpersands(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (char c : text)
        if (c != '&')
            result += c;
    return result;
}

MenuText splitMenuText(std::string_view text)
{
    const auto tab = text.find('\t');
    if (tab == std::string_view::npos)
        return {std::string(text), {}};
    return {std::string(text.substr(0, tab)), std::string(text.substr(tab + 1))};
}

MenuItemSize menuItemSize(bool separator, int textExtent)
{
    if (separator)
        return {0, kMenuSeparatorHeight};
    return {textExtent + kMenuExtraWidth, kMenuItemHeight};
}

Rect menuLabelRect(int w, int h) { return Rect{kMenuTextLeft, 0, w, h}; }
Rect menuShortcutRect(int w, int h) { return Rect{0, 0, w - kMenuShortcutMargin, h}; }
Rect menuCheckIconRect() { return Rect{-5, -5, 11, 11}; }

} // namespace vesk::skin
