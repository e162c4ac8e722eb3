// Button icons on a magenta key. Drawn without antialiasing: a blended edge
// pixel would be neither key nor icon and show as a pink fringe.

#include <QPainter>
#include <QPolygon>

#include "tools/skingen/pixel_painting.h"
#include "tools/skingen/skin_families.h"
#include "tools/skingen/skin_writer.h"

#include <functional>

namespace skingen {
namespace {

constexpr int kIconSize = 16;
const QColor kOutline(45, 77, 136);

QImage icon(const std::function<void(QPainter&)>& draw)
{
    QImage image = filledImage(kIconSize, kIconSize, kMagentaKey);
    QPainter painter(&image);
    draw(painter);
    return image;
}

void openFolder(QPainter& p)
{
    p.setPen(QColor(150, 110, 20));
    p.setBrush(QColor(240, 200, 90));
    p.drawRect(1, 3, 6, 2);
    p.drawRect(1, 4, 12, 9);
    p.setBrush(QColor(255, 226, 130));
    p.drawPolygon(QPolygon({QPoint(3, 7), QPoint(15, 7), QPoint(13, 13), QPoint(1, 13)}));
}

void saveDisk(QPainter& p)
{
    p.setPen(kOutline);
    p.setBrush(QColor(84, 136, 227));
    p.drawRect(1, 1, 13, 13);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(200, 210, 225));
    p.drawRect(4, 9, 7, 5);
}

void clearSheet(QPainter& p)
{
    p.setPen(QColor(127, 157, 185));
    p.setBrush(Qt::white);
    p.drawRect(2, 1, 10, 13);
    p.setPen(QPen(QColor(210, 40, 40), 2));
    p.drawLine(6, 7, 13, 14);
    p.drawLine(13, 7, 6, 14);
}

void statistics(QPainter& p)
{
    p.setPen(kOutline);
    p.drawLine(1, 14, 14, 14);
    p.drawLine(1, 1, 1, 14);
    p.setBrush(QColor(96, 156, 231));
    p.drawRect(3, 8, 2, 5);
    p.setBrush(QColor(33, 161, 33));
    p.drawRect(7, 4, 2, 9);
    p.setBrush(QColor(230, 150, 40));
    p.drawRect(11, 6, 2, 7);
}

void funnel(QPainter& p)
{
    p.setPen(kOutline);
    p.setBrush(QColor(96, 156, 231));
    p.drawPolygon(QPolygon({QPoint(1, 2), QPoint(14, 2), QPoint(9, 8), QPoint(9, 14),
                            QPoint(6, 12), QPoint(6, 8)}));
}

void editSheet(QPainter& p)
{
    p.setPen(QColor(127, 157, 185));
    p.setBrush(Qt::white);
    p.drawRect(1, 1, 10, 13);
    p.setPen(QColor(160, 170, 185));
    for (int y = 4; y <= 11; y += 3)
        p.drawLine(3, y, 9, y);
    p.setPen(QColor(150, 80, 20));
    p.setBrush(QColor(240, 180, 60));
    p.drawPolygon(QPolygon({QPoint(13, 3), QPoint(15, 5), QPoint(8, 12), QPoint(6, 13),
                            QPoint(6, 10)}));
}

} // namespace

void writeButtonIcons(SkinWriter& writer)
{
    writer.saveBitmap(QStringLiteral("EditOpen.bmp"), icon(openFolder));
    writer.saveBitmap(QStringLiteral("EditSave.bmp"), icon(saveDisk));
    writer.saveBitmap(QStringLiteral("EditClr.bmp"), icon(clearSheet));
    writer.saveBitmap(QStringLiteral("EditStat.bmp"), icon(statistics));
    writer.saveBitmap(QStringLiteral("EditFlt.bmp"), icon(funnel));
    writer.saveBitmap(QStringLiteral("FltEdit.bmp"), icon(editSheet));
}

} // namespace skingen
