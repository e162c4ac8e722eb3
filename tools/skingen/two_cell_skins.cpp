// Two-cell images: cell 0 (left half) is the off state, cell 1 the on state.

#include <QPainter>
#include <QPainterPath>

#include "tools/skingen/pixel_painting.h"
#include "tools/skingen/skin_families.h"
#include "tools/skingen/skin_writer.h"

namespace skingen {
namespace {

const QColor kBoxBorder(28, 81, 128);
const QColor kMark(0, 70, 213);

QImage twoCells(int cellWidth, int height)
{
    return filledImage(2 * cellWidth, height, kPageBackground);
}

void drawCheckMark(QPainter& painter, const QRectF& box, const QColor& colour, qreal width)
{
    QPainterPath path;
    path.moveTo(box.left() + box.width() * 0.18, box.top() + box.height() * 0.52);
    path.lineTo(box.left() + box.width() * 0.42, box.top() + box.height() * 0.76);
    path.lineTo(box.left() + box.width() * 0.84, box.top() + box.height() * 0.22);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void drawBox(QPainter& painter, const QRect& box, const QColor& border, const QColor& top,
             const QColor& bottom)
{
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.setPen(border);
    painter.setBrush(fill);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
}

QImage checkImage()
{
    constexpr int kCell = 13;
    QImage image = twoCells(kCell, kCell);
    QPainter painter(&image);
    for (int cell = 0; cell < 2; ++cell) {
        const QRect box(cell * kCell, 0, kCell, kCell);
        drawBox(painter, box, kBoxBorder, QColor(220, 226, 232), Qt::white);
        if (cell == 1) {
            painter.setRenderHint(QPainter::Antialiasing);
            drawCheckMark(painter, QRectF(box).adjusted(1.5, 1.5, -1.5, -1.5), QColor(33, 161, 33), 2.0);
            painter.setRenderHint(QPainter::Antialiasing, false);
        }
    }
    return image;
}

// The grouping panel's row mode: off is positional ("√" in its tooltip), on is
// picking digits regardless of place, shown as a filled square. Cells are as
// large as the panel's 11-pixel boxes, so nothing is clipped.
QImage modeImage()
{
    constexpr int kCell = 11;
    QImage image = twoCells(kCell, kCell);
    QPainter painter(&image);
    for (int cell = 0; cell < 2; ++cell) {
        const QRect box(cell * kCell, 0, kCell, kCell);
        drawBox(painter, box, QColor(88, 142, 229), Qt::white, QColor(232, 240, 250));
        if (cell == 0) {
            painter.setRenderHint(QPainter::Antialiasing);
            drawCheckMark(painter, QRectF(box).adjusted(1, 1, -1, -1), kMark, 1.8);
            painter.setRenderHint(QPainter::Antialiasing, false);
        } else {
            painter.fillRect(box.adjusted(3, 3, -3, -3), kMark);
        }
    }
    return image;
}

QImage radioImage()
{
    constexpr int kCell = 13;
    QImage image = twoCells(kCell, kCell);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int cell = 0; cell < 2; ++cell) {
        const QRectF circle(cell * kCell + 0.5, 0.5, kCell - 1, kCell - 1);
        QRadialGradient fill(circle.center(), kCell / 2.0);
        fill.setColorAt(0, Qt::white);
        fill.setColorAt(1, QColor(214, 224, 236));
        painter.setPen(kBoxBorder);
        painter.setBrush(fill);
        painter.drawEllipse(circle);
        if (cell == 1) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(kMark);
            painter.drawEllipse(circle.center(), 2.6, 2.6);
        }
    }
    return image;
}

// Digit toggles of the grouping panel: the digit on a light key when off,
// white on blue when on.
QImage digitImage(int digit)
{
    constexpr int kCell = 20;
    QImage image = twoCells(kCell, kCell);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        for (int cell = 0; cell < 2; ++cell) {
            const QRectF key(cell * kCell + 0.5, 0.5, kCell - 1, kCell - 1);
            const bool on = cell == 1;
            QLinearGradient fill(key.topLeft(), key.bottomLeft());
            fill.setColorAt(0, on ? QColor(96, 156, 231) : Qt::white);
            fill.setColorAt(1, on ? QColor(45, 96, 190) : QColor(222, 232, 246));
            painter.setPen(on ? QColor(45, 77, 136) : QColor(127, 157, 185));
            painter.setBrush(fill);
            painter.drawRoundedRect(key, 3, 3);
        }
    }
    const QString text = QString::number(digit);
    drawCentredText(image, QRect(0, 0, kCell, kCell), text, 13, QColor(31, 74, 101));
    drawCentredText(image, QRect(kCell, 0, kCell, kCell), text, 13, Qt::white);
    return image;
}

} // namespace

void writeTwoCellImages(SkinWriter& writer)
{
    writer.saveBitmap(QStringLiteral("Checked.bmp"), checkImage());
    writer.saveBitmap(QStringLiteral("CmbMode.bmp"), modeImage());
    writer.saveBitmap(QStringLiteral("Radio.bmp"), radioImage());
    for (int digit = 0; digit <= 9; ++digit)
        writer.saveBitmap(QStringLiteral("Num%1.bmp").arg(digit), digitImage(digit));
}

} // namespace skingen
