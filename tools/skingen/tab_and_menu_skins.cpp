// Tab heads, the menu's check icon and the column-arrangement item images.

#include <QPainter>
#include <QPainterPath>

#include "tools/skingen/pixel_painting.h"
#include "tools/skingen/skin_families.h"
#include "tools/skingen/skin_writer.h"

namespace skingen {
namespace {

const QColor kTabBorder(122, 153, 207);

// Two 7-pixel cells: x 0 the selected head (opens into the page below),
// x 7 the other heads.
QImage tabHeads()
{
    constexpr int kHeight = 30;
    QImage image(14, kHeight, QImage::Format_RGB32);
    for (int cell = 0; cell < 2; ++cell) {
        const bool selected = cell == 0;
        for (int c = 0; c < 7; ++c) {
            for (int y = 0; y < kHeight; ++y) {
                const bool side = c == 0 || c == 6;
                QColor colour = selected ? gradientAt(Qt::white, kPageBackground, y, 8)
                                         : gradientAt(QColor(236, 244, 253), QColor(204, 222, 246), y, 20);
                if (y == 0 && side)
                    colour = kPageBackground; // rounded top corners
                else if (y == 0 || side)
                    colour = kTabBorder;
                else if (y == 1 && (c == 1 || c == 5))
                    colour = mix(kTabBorder, colour, 0.5);
                else if (selected && y == 1)
                    colour = QColor(255, 200, 60); // the selected head's accent line
                image.setPixelColor(cell * 7 + c, y, colour);
            }
        }
    }
    return image;
}

// Menus draw this 16x16 icon at (-5, -5), so only its lower-right 11x11
// pixels show inside the item's strip; the mark sits there.
QImage checkIcon()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 70, 213), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath mark;
    mark.moveTo(7.5, 10.5);
    mark.lineTo(10, 13);
    mark.lineTo(14, 7.5);
    painter.drawPath(mark);
    return image;
}

QImage arrangeItem(const QColor& border, const QColor& top, const QColor& bottom, bool dashed)
{
    QImage image = filledImage(75, 20, kPageBackground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, 20);
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.setPen(QPen(border, 1, dashed ? Qt::DashLine : Qt::SolidLine));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(0.5, 0.5, 74, 19), 3, 3);
    return image;
}

} // namespace

void writeTabAndMenuImages(SkinWriter& writer)
{
    writer.saveBitmap(QStringLiteral("TabHead.bmp"), tabHeads());
    writer.saveIcon(QStringLiteral("Checked.ico"), checkIcon());
    writer.saveBitmap(QStringLiteral("ArrDml75.bmp"),
                      arrangeItem(QColor(127, 157, 185), Qt::white, QColor(226, 235, 246), false));
    writer.saveBitmap(QStringLiteral("ArrSel75.bmp"),
                      arrangeItem(QColor(88, 142, 229), QColor(255, 238, 194), QColor(250, 220, 150), false));
    writer.saveBitmap(QStringLiteral("ArrDrg75.bmp"),
                      arrangeItem(QColor(45, 77, 136), QColor(200, 222, 250), QColor(160, 196, 244), false));
    writer.saveBitmap(QStringLiteral("ArrHnt75.bmp"),
                      arrangeItem(QColor(0, 70, 213), kPageBackground, kPageBackground, true));
}

} // namespace skingen
