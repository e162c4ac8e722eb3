#include "pages/text/text_page_layout.h"

#include <algorithm>

namespace vesk {

TextPageLayout LayoutTextPage(int width, int height, int textGap)
{
    TextPageLayout layout;
    layout.text = PlacedRect(0, 0, width, height - textGap);
    const int c = std::min((width - 6) / 4, 75);
    const int x0 = (width - 4 * c - 6) / 2;
    for (int i = 0; i < 4; ++i)
        layout.buttons[i] = PlacedRect(x0 + i * (c + 2), height - 21, c, 21);
    return layout;
}

} // namespace vesk
