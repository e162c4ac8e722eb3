#include "skin/geometry/frame_layout.h"

namespace vesk::skin {

FrameLayout layoutFrame(int w, int h, bool closeOnly)
{
    FrameLayout f;
    f.caption = Rect{0, 0, w, kCaptionHeight};
    f.window = Rect{0, 0, w, h};
    if (closeOnly) {
        f.close = Rect{w - 50, 3, w - 5, 27};
    } else {
        f.buttonBackground = Rect{w - 89, 3, w - 5, 27};
        f.minimise = Rect{w - 77, 5, w - 59, 24};
        f.maximise = Rect{w - 56, 5, w - 38, 24};
        f.close = Rect{w - 35, 5, w - 17, 24};
    }
    return f;
}

Rect clientFromWindow(const Rect& window)
{
    return Rect{window.left + kBorderWidth, window.top + kCaptionHeight, window.right - kBorderWidth,
                window.bottom - kBorderWidth};
}

Point clientToFrame(Point client)
{
    return {client.x + kBorderWidth, client.y + kCaptionHeight};
}

bool inCaptionBand(const Rect& windowOnScreen, Point screen)
{
    const Rect band{windowOnScreen.left + kBorderWidth, windowOnScreen.top + kBorderWidth,
                    windowOnScreen.right - kBorderWidth, windowOnScreen.top + kCaptionHeight};
    return contains(band, screen);
}

FrameButton frameButtonAt(const FrameLayout& layout, Point point)
{
    if (contains(layout.minimise, point))
        return FrameButton::Minimise;
    if (contains(layout.maximise, point))
        return FrameButton::Maximise;
    if (contains(layout.close, point))
        return FrameButton::Close;
    return FrameButton::None;
}

void borderLines(int w, int h, BorderLine (&lines)[5])
{
    static constexpr unsigned kColours[5] = {0x654A1F, 0xE79C60, 0xE58E58, 0xE38854, 0x884D2D};
    for (int i = 0; i < 5; ++i)
        lines[i] = BorderLine{Rect{i, 0, w - i, h - i}, kColours[i]};
}

Rect maximisedRect(int screenWidth, int screenHeight, const Rect& taskBar)
{
    return Rect{0, 0, screenWidth, screenHeight - height(taskBar)};
}

} // namespace vesk::skin
