#include "components/features/omission/cell_stamps.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace vesk::omission {

CellStamps::CellStamps(QSize cell, QFont text, QFont ball, qreal pixelRatio)
    : m_cell(cell)
    , m_text(std::move(text))
    , m_ball(std::move(ball))
    , m_ratio(pixelRatio)
{
}

QImage CellStamps::Stamp(bool ball, const QString& text, QColor colour) const
{
    QImage image(m_cell * m_ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(m_ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const QRect cell(QPoint(0, 0), m_cell);
    if (ball) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setFont(m_ball);
        const int height = m_cell.height() - 4;
        const int width = std::min(m_cell.width() - 4, std::max(height, QFontMetrics(m_ball).horizontalAdvance(text) + 8));
        const QRect shape(cell.center().x() - width / 2 + (m_cell.width() % 2 == 0 ? 1 : 0), 2, width, height);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRoundedRect(shape, height / 2.0, height / 2.0);
        painter.setPen(Qt::white);
        painter.drawText(shape, Qt::AlignCenter, text);
    } else {
        painter.setFont(m_text);
        painter.setPen(colour);
        painter.drawText(cell, Qt::AlignCenter, text);
    }
    painter.end();
    return image;
}

void CellStamps::Miss(QPainter& painter, int x, int y, std::int32_t value, QColor colour)
{
    auto found = m_misses.constFind(value);
    if (found == m_misses.constEnd())
        found = m_misses.insert(value, Stamp(false, QString::number(value), colour));
    painter.drawImage(QPoint(x, y), *found);
}

void CellStamps::Ball(QPainter& painter, int x, int y, int column, const QString& label, QColor colour)
{
    if (column < 0)
        return;
    if (static_cast<std::size_t>(column) >= m_balls.size())
        m_balls.resize(static_cast<std::size_t>(column) + 1);
    QImage& stamp = m_balls[static_cast<std::size_t>(column)];
    if (stamp.isNull())
        stamp = Stamp(true, label, colour);
    painter.drawImage(QPoint(x, y), stamp);
}

} // namespace vesk::omission
