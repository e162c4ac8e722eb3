// Push-button background strips: four 7-pixel state cells (normal, hot,
// pressed, disabled), each a 3-pixel left cap, a 1-pixel body column and a
// 3-pixel right cap; the controls stretch the body column across the button.

#include "tools/skingen/pixel_painting.h"
#include "tools/skingen/skin_families.h"
#include "tools/skingen/skin_writer.h"

namespace skingen {
namespace {

constexpr int kCellWidth = 7;
constexpr int kStripHeight = 24;

struct CellLook {
    QColor border;
    QColor fillTop;
    QColor fillBottom;
};

// A rounded box squeezed into one cell; the body column (3) carries only the
// top and bottom border, so stretching it keeps the outline intact.
void drawCell(QImage& strip, int x0, const CellLook& look)
{
    const int h = strip.height();
    for (int c = 0; c < kCellWidth; ++c) {
        for (int y = 0; y < h; ++y) {
            const bool sideEdge = c == 0 || c == kCellWidth - 1;
            const bool endEdge = y == 0 || y == h - 1;
            QColor colour = gradientAt(look.fillTop, look.fillBottom, y, h);
            if (sideEdge && endEdge)
                colour = Qt::white; // the outer corner pixel is cut away
            else if (sideEdge || endEdge)
                colour = look.border;
            else if ((c == 1 || c == kCellWidth - 2) && (y == 1 || y == h - 2))
                colour = mix(look.border, colour, 0.5); // softens the corner
            strip.setPixelColor(x0 + c, y, colour);
        }
    }
}

QImage strip(const CellLook (&looks)[4])
{
    QImage image = filledImage(4 * kCellWidth, kStripHeight, Qt::white);
    for (int cell = 0; cell < 4; ++cell)
        drawCell(image, cell * kCellWidth, looks[cell]);
    return image;
}

} // namespace

void writeButtonStrips(SkinWriter& writer)
{
    const CellLook white[4] = {
        {QColor(127, 157, 185), QColor(255, 255, 255), QColor(226, 235, 246)},
        {QColor(96, 156, 231), QColor(255, 255, 255), QColor(207, 226, 252)},
        {QColor(60, 110, 190), QColor(198, 218, 246), QColor(232, 240, 252)},
        {QColor(201, 199, 186), QColor(246, 246, 244), QColor(236, 236, 232)},
    };
    const CellLook blue[4] = {
        {QColor(88, 142, 229), QColor(226, 238, 253), QColor(170, 203, 246)},
        {QColor(45, 110, 210), QColor(238, 246, 255), QColor(150, 192, 250)},
        {QColor(45, 77, 136), QColor(140, 180, 236), QColor(196, 220, 250)},
        {QColor(190, 198, 210), QColor(240, 242, 246), QColor(222, 226, 232)},
    };
    writer.saveBitmap(QStringLiteral("WhiteBtn.bmp"), strip(white));
    writer.saveBitmap(QStringLiteral("BlueBtn.bmp"), strip(blue));
}

} // namespace skingen
