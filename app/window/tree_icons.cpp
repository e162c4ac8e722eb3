#include "app/window/tree_icons.h"

#include <QPainter>
#include <QPainterPath>

namespace vesk::app {
namespace {

// Draws on a transparent square in a 16-unit coordinate system.
template <typename Draw>
QImage Icon(int size, Draw draw)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    draw(p);
    return image;
}

void Folder(QPainter& p)
{
    p.setPen(QPen(QColor(176, 128, 24), 1));
    p.setBrush(QColor(240, 196, 80));
    QPainterPath tab;
    tab.moveTo(1.5, 4.5);
    tab.lineTo(1.5, 2.5);
    tab.lineTo(6, 2.5);
    tab.lineTo(7.5, 4.5);
    p.drawPath(tab);
    p.drawRect(QRectF(1.5, 4.5, 13, 9));
}

void Leaf(QPainter& p, const QColor& fill, const QColor& mark)
{
    p.setPen(QPen(QColor(70, 90, 130), 1));
    p.setBrush(fill);
    p.drawRect(QRectF(3.5, 1.5, 9, 13));
    p.setPen(QPen(mark, 1.2));
    for (qreal y : {5.0, 8.0, 11.0})
        p.drawLine(QPointF(5.5, y), QPointF(10.5, y));
}

} // namespace

std::array<QImage, 3> DrawTreeIcons(int size)
{
    return {Icon(size, Folder),
            Icon(size, [](QPainter& p) { Leaf(p, QColor(255, 255, 255), QColor(120, 140, 180)); }),
            Icon(size, [](QPainter& p) { Leaf(p, QColor(210, 228, 255), QColor(30, 80, 200)); })};
}

} // namespace vesk::app
