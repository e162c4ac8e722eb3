// Scroll-bar images, drawn for a vertical bar 16 pixels thick; the horizontal
// images are the same pictures mirrored along the diagonal, so "along the bar"
// is y in the vertical files and x in the horizontal ones.

#include <QPainter>
#include <QPolygon>

#include "tools/skingen/pixel_painting.h"
#include "tools/skingen/skin_families.h"
#include "tools/skingen/skin_writer.h"

namespace skingen {
namespace {

constexpr int kThickness = 16;
constexpr int kArrowLength = 16;

const QColor kTrackEdge(222, 230, 241);
const QColor kTrackMiddle(244, 247, 252);

struct StateLook {
    QColor border;
    QColor fillLeft;
    QColor fillRight;
};

const StateLook kNormal{QColor(117, 152, 204), QColor(214, 230, 252), QColor(176, 204, 243)};
const StateLook kHot{QColor(84, 136, 227), QColor(226, 239, 255), QColor(150, 192, 250)};
const StateLook kPressed{QColor(45, 77, 136), QColor(150, 186, 240), QColor(112, 158, 228)};
const StateLook kDisabled{QColor(200, 204, 210), QColor(242, 243, 245), QColor(232, 234, 238)};

QColor trackAt(int x)
{
    const int fromEdge = std::min(x, kThickness - 1 - x);
    return fromEdge == 0 ? kTrackEdge : mix(kTrackEdge, kTrackMiddle, std::min(1.0, fromEdge / 3.0));
}

QColor fillAt(const StateLook& look, int x)
{
    return gradientAt(look.fillLeft, look.fillRight, x, kThickness);
}

// One line across the bar of the thumb's body: a 1-pixel gap of track on each
// side, the border, then the fill.
QColor thumbBodyAt(const StateLook& look, int x)
{
    if (x == 0 || x == kThickness - 1)
        return trackAt(x);
    if (x == 1 || x == kThickness - 2)
        return look.border;
    return fillAt(look, x);
}

// Start cap rows 0-2 and end cap rows 4-6 of a thumb cell (row 3 is the body).
QColor thumbCellAt(const StateLook& look, int x, int row)
{
    const int fromEnd = row <= 3 ? row : 6 - row;
    if (fromEnd >= 2)
        return thumbBodyAt(look, x);
    const bool inner = x >= 3 && x <= kThickness - 4;
    if (fromEnd == 0)
        return inner ? look.border : trackAt(x);
    if (x == 2 || x == kThickness - 3)
        return look.border;
    return inner ? fillAt(look, x) : trackAt(x);
}

QImage thumbStrip()
{
    const StateLook looks[3] = {kNormal, kHot, kPressed};
    QImage image(kThickness, 21, QImage::Format_RGB32);
    for (int cell = 0; cell < 3; ++cell)
        for (int row = 0; row < 7; ++row)
            for (int x = 0; x < kThickness; ++x)
                image.setPixelColor(x, cell * 7 + row, thumbCellAt(looks[cell], x, row));
    return image;
}

QImage track()
{
    QImage image(kThickness, kThickness, QImage::Format_RGB32);
    for (int y = 0; y < kThickness; ++y)
        for (int x = 0; x < kThickness; ++x)
            image.setPixelColor(x, y, trackAt(x));
    return image;
}

// Three 20-pixel grip cells, one per thumb state, on that state's body line.
QImage grip()
{
    const StateLook looks[3] = {kNormal, kHot, kPressed};
    QImage image(kThickness, 60, QImage::Format_RGB32);
    for (int cell = 0; cell < 3; ++cell) {
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < kThickness; ++x) {
                QColor colour = thumbBodyAt(looks[cell], x);
                const int line = y - 6;
                if (x >= 5 && x <= 10 && line >= 0 && line <= 6 && line % 3 == 0)
                    colour = looks[cell].border;
                else if (x >= 5 && x <= 10 && line >= 0 && line <= 6 && line % 3 == 1)
                    colour = Qt::white;
                image.setPixelColor(x, cell * 20 + y, colour);
            }
        }
    }
    return image;
}

// Four 16-pixel arrow cells (normal, hot, pressed, disabled); pointsUp picks
// the first arrow's direction.
QImage arrow(bool pointsUp)
{
    const StateLook looks[4] = {kNormal, kHot, kPressed, kDisabled};
    QImage image(kThickness, 4 * kArrowLength, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int cell = 0; cell < 4; ++cell) {
        const StateLook& look = looks[cell];
        const int top = cell * kArrowLength;
        for (int y = 0; y < kArrowLength; ++y)
            for (int x = 0; x < kThickness; ++x)
                image.setPixelColor(x, top + y, trackAt(x));
        QLinearGradient fill(0, 0, kThickness, 0);
        fill.setColorAt(0, look.fillLeft);
        fill.setColorAt(1, look.fillRight);
        painter.setPen(look.border);
        painter.setBrush(fill);
        painter.drawRect(1, top + 1, kThickness - 3, kArrowLength - 3);
        const int d = cell == 2 ? 1 : 0; // the pressed glyph sinks by a pixel
        const QPoint tip(7 + d, top + (pointsUp ? 5 : 10) + d);
        const int baseY = tip.y() + (pointsUp ? 4 : -4);
        painter.setPen(Qt::NoPen);
        painter.setBrush(cell == 3 ? QColor(180, 186, 196) : QColor(45, 77, 136));
        painter.drawPolygon(QPolygon({tip, QPoint(tip.x() + 4, baseY), QPoint(tip.x() - 4, baseY)}));
    }
    return image;
}

void saveBoth(SkinWriter& writer, const QString& vertical, const QString& horizontal, const QImage& image)
{
    writer.saveBitmap(vertical, image);
    writer.saveBitmap(horizontal, transposed(image));
}

} // namespace

void writeScrollBarImages(SkinWriter& writer)
{
    saveBoth(writer, QStringLiteral("ScVtUp.bmp"), QStringLiteral("ScHzLeft.bmp"), arrow(true));
    saveBoth(writer, QStringLiteral("ScVtDown.bmp"), QStringLiteral("ScHzRigh.bmp"), arrow(false));
    saveBoth(writer, QStringLiteral("ScVtHint.bmp"), QStringLiteral("ScHzHint.bmp"), grip());
    saveBoth(writer, QStringLiteral("ScVtBar.bmp"), QStringLiteral("ScHzBar.bmp"), thumbStrip());
    saveBoth(writer, QStringLiteral("ScVtBack.bmp"), QStringLiteral("ScHzBack.bmp"), track());
}

} // namespace skingen
