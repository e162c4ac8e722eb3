#pragma once
// The chart's cell contents painted once and copied after: a screen repeats
// a few hundred texts and balls over its cells, and a whole history's
// picture over a quarter of a million. Each stamp is a cell-sized image with
// a clear background, made for the painting device's pixel ratio. One set of
// stamps serves one thread.

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>

#include <cstdint>
#include <vector>

class QPainter;

namespace vesk::omission {

class CellStamps {
public:
    CellStamps(QSize cell, QFont text, QFont ball, qreal pixelRatio);

    bool Fits(QSize cell, qreal pixelRatio) const { return cell == m_cell && pixelRatio == m_ratio; }

    // An omission value, centred in the cell at (x, y), in colour.
    void Miss(QPainter& painter, int x, int y, std::int32_t value, QColor colour);
    // Column's ball: filled with colour, label in white, centred in the cell.
    void Ball(QPainter& painter, int x, int y, int column, const QString& label, QColor colour);

private:
    QImage Stamp(bool ball, const QString& text, QColor colour) const;

    QSize m_cell;
    QFont m_text;
    QFont m_ball;
    qreal m_ratio;
    QHash<std::int32_t, QImage> m_misses;
    std::vector<QImage> m_balls; // by column
};

} // namespace vesk::omission
