#pragma once
// One area of the arrangement dialog: the items of its side of the board as
// tiles drawn with the item images (selected, dragged and hint images where
// the board says), with the board taking its mouse and key input.

#include "components/other/arrange_board.h"

#include <QWidget>

namespace vesk::other {

class ArrangeArea final : public QWidget {
public:
    ArrangeArea(ArrangeBoard& board, Area area, QWidget* parent);

    Area Side() const { return m_area; }
    // The tile rectangle of item index as it is drawn now (no drag going on).
    QRect ItemRect(int index) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void PaintTile(QPainter& painter, const QRect& rect, const QImage& image, const QString& title) const;

    ArrangeBoard& m_board;
    Area m_area;
};

} // namespace vesk::other
