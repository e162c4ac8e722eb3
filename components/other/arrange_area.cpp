#include "components/other/arrange_area.h"

#include "components/other/tile_geometry.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <vector>

namespace vesk::other {
namespace {

QRect ToQRect(const TileRect& r)
{
    return {r.x, r.y, r.width, r.height};
}

// What stands in each tile place while painting: an item, or the hint of
// where a dragged item would land (-1).
std::vector<int> Places(const ArrangeBoard& board, Area area)
{
    const auto dragged = board.DraggedItem();
    const auto target = board.DropTarget();
    std::vector<int> places;
    for (int i = 0; i < static_cast<int>(board.Current().Size(area)); ++i) {
        if (!(dragged && dragged->area == area && dragged->index == i))
            places.push_back(i);
    }
    if (target && target->area == area)
        places.insert(places.begin() + std::min<int>(target->index, static_cast<int>(places.size())), -1);
    return places;
}

} // namespace

ArrangeArea::ArrangeArea(ArrangeBoard& board, Area area, QWidget* parent)
    : QWidget(parent), m_board(board), m_area(area)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(QFont(QStringLiteral("宋体"), 9));
    m_board.Attach(area, this);
}

QRect ArrangeArea::ItemRect(int index) const
{
    return ToQRect(TileAt(index, width()));
}

void ArrangeArea::PaintTile(QPainter& painter, const QRect& rect, const QImage& image, const QString& title) const
{
    if (image.isNull()) {
        // Without images the tile is still a clear box.
        painter.setPen(palette().color(QPalette::Mid));
        painter.setBrush(palette().color(QPalette::Button));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    } else {
        painter.drawImage(rect, image);
    }
    if (!title.isEmpty()) {
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(rect, Qt::AlignCenter, painter.fontMetrics().elidedText(title, Qt::ElideRight, rect.width() - 4));
    }
}

void ArrangeArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(250, 252, 254));
    painter.setPen(hasFocus() ? palette().color(QPalette::Highlight) : QColor(127, 157, 185));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const auto& items = m_board.Current().Items(m_area);
    const ItemImages& images = m_board.Images();
    const auto selected = m_board.Selected();
    const std::vector<int> places = Places(m_board, m_area);
    for (int place = 0; place < static_cast<int>(places.size()); ++place) {
        const QRect tile = ItemRect(place);
        const int item = places[static_cast<std::size_t>(place)];
        if (item < 0) {
            PaintTile(painter, tile, images.hint, {});
            continue;
        }
        const bool isSelected = selected && selected->area == m_area && selected->index == item && !m_board.Dragging();
        PaintTile(painter, tile, isSelected ? images.selected : images.normal,
                  QString::fromStdString(items[static_cast<std::size_t>(item)].title));
    }
    if (const auto dragged = m_board.DraggedItem()) {
        const QPoint at = mapFromGlobal(m_board.DragPoint());
        if (rect().contains(at)) {
            const auto& from = m_board.Current().Items(dragged->area);
            // Below the pointer, so the hint of where it lands stays in sight.
            const QRect tile(at + QPoint(-kTileWidth / 2, kTileHeight / 2), QSize(kTileWidth, kTileHeight));
            PaintTile(painter, tile, images.dragged,
                      QString::fromStdString(from[static_cast<std::size_t>(dragged->index)].title));
        }
    }
}

void ArrangeArea::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton)
        m_board.Press(m_area, event->position().toPoint());
}

void ArrangeArea::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        m_board.MoveTo(event->globalPosition().toPoint());
}

void ArrangeArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_board.Release(event->globalPosition().toPoint());
}

void ArrangeArea::keyPressEvent(QKeyEvent* event)
{
    if (!m_board.Key(m_area, event->key(), event->modifiers()))
        QWidget::keyPressEvent(event);
}

void ArrangeArea::focusInEvent(QFocusEvent* event)
{
    m_board.Focused(m_area);
    QWidget::focusInEvent(event);
    update();
}

void ArrangeArea::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

} // namespace vesk::other
