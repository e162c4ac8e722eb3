// Dialog frame: the 29-pixel title strip and the system-button cells. The
// button cells are drawn over the same gradient as the band behind them so
// that their normal state blends into the caption.

#include <QPainter>

#include "tools/skingen/pixel_painting.h"
#include "tools/skingen/skin_families.h"
#include "tools/skingen/skin_writer.h"

#include <functional>

namespace skingen {
namespace {

constexpr int kBandHeight = 29;
// The dialog's border shades, outermost first; the title caps continue them
// upward so the border runs unbroken to the top edge.
const QColor kBorder[5] = {QColor(31, 74, 101), QColor(96, 156, 231), QColor(88, 142, 229),
                           QColor(84, 136, 227), QColor(45, 77, 136)};

QColor bandColour(int y)
{
    if (y == 0)
        return kBorder[0];
    if (y == 1)
        return QColor(170, 206, 248);
    return gradientAt(QColor(122, 174, 240), QColor(58, 108, 198), y - 2, kBandHeight - 2);
}

QImage titleStrip()
{
    constexpr int kWidth = 13;
    QImage image(kWidth, kBandHeight, QImage::Format_RGB32);
    for (int x = 0; x < kWidth; ++x) {
        const int fromEdge = std::min(x, kWidth - 1 - x);
        for (int y = 0; y < kBandHeight; ++y)
            image.setPixelColor(x, y, fromEdge < 5 && y > 0 ? kBorder[fromEdge] : bandColour(y));
    }
    return image;
}

using Glyph = std::function<void(QPainter&, const QRect&)>;

struct CellStyle {
    QColor hot;
    QColor pressed;
};

// Three cells (normal, hot, pressed) of the given size; the normal cell shows
// the band rows starting at bandTop.
QImage buttonCells(int width, int height, int bandTop, const CellStyle& style, const Glyph& glyph)
{
    QImage image(3 * width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, bandColour(bandTop + y));
    QPainter painter(&image);
    for (int cell = 0; cell < 3; ++cell) {
        const QRect box(cell * width, 0, width, height);
        if (cell > 0) {
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QColor(255, 255, 255, 140));
            painter.setBrush(cell == 1 ? style.hot : style.pressed);
            painter.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
            painter.setRenderHint(QPainter::Antialiasing, false);
        }
        glyph(painter, box.translated(cell == 2 ? 1 : 0, cell == 2 ? 1 : 0));
    }
    return image;
}

QPen glyphPen(int width = 2)
{
    return QPen(Qt::white, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

void minimiseGlyph(QPainter& p, const QRect& r)
{
    p.fillRect(r.left() + 5, r.top() + 12, 8, 2, Qt::white);
}

void maximiseGlyph(QPainter& p, const QRect& r)
{
    p.setPen(glyphPen(1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.left() + 4, r.top() + 4, 9, 9);
    p.fillRect(r.left() + 4, r.top() + 4, 10, 2, Qt::white);
}

void restoreGlyph(QPainter& p, const QRect& r)
{
    const int x = r.left();
    const int y = r.top();
    // The window behind shows only its top and right edges.
    p.fillRect(x + 7, y + 3, 7, 1, Qt::white);
    p.fillRect(x + 13, y + 3, 1, 7, Qt::white);
    p.setPen(glyphPen(1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(x + 4, y + 6, 7, 7);
    p.fillRect(x + 4, y + 6, 8, 2, Qt::white);
}

void closeGlyph(QPainter& p, const QRect& r)
{
    const QPoint c = r.center();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(glyphPen(2));
    p.drawLine(c + QPoint(-4, -4), c + QPoint(4, 4));
    p.drawLine(c + QPoint(4, -4), c + QPoint(-4, 4));
    p.setRenderHint(QPainter::Antialiasing, false);
}

// The backdrop of the three small buttons: a darker rounded panel.
QImage buttonBackdrop()
{
    QImage image(84, 24, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, bandColour(3 + y));
    return image;
}

} // namespace

void writeFrameImages(SkinWriter& writer)
{
    const CellStyle blue{QColor(150, 196, 250), QColor(40, 82, 160)};
    const CellStyle red{QColor(226, 72, 64), QColor(164, 30, 24)};
    writer.saveBitmap(QStringLiteral("FmTitle.bmp"), titleStrip());
    writer.saveBitmap(QStringLiteral("FmSysBk.bmp"), buttonBackdrop());
    writer.saveBitmap(QStringLiteral("FmSysMin.bmp"), buttonCells(18, 19, 5, blue, minimiseGlyph));
    writer.saveBitmap(QStringLiteral("FmSysMax.bmp"), buttonCells(18, 19, 5, blue, maximiseGlyph));
    writer.saveBitmap(QStringLiteral("FmSysRes.bmp"), buttonCells(18, 19, 5, blue, restoreGlyph));
    writer.saveBitmap(QStringLiteral("FmSysCls.bmp"), buttonCells(18, 19, 5, red, closeGlyph));
    writer.saveBitmap(QStringLiteral("DlgClose.bmp"), buttonCells(45, 24, 3, red, closeGlyph));
}

} // namespace skingen
