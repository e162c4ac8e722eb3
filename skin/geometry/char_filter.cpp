#include "skin/geometry/char_filter.h"

namespace vesk::skin {

bool isCharAllowed(std::u32string_view allowed, char32_t ch, bool ctrlDown)
{
    if (allowed.empty() || ch == 8 || ctrlDown)
        return true;
    const char32_t upper = ch >= U'a' && ch <= U'z' ? ch - U'a' + U'A' : ch;
    return allowed.find(upper) != std::u32string_view::npos;
}

} // namespace vesk::skin
