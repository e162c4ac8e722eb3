#include "components/other/arrange_board.h"

#include "components/other/tile_geometry.h"

#include <QApplication>
#include <QWidget>

namespace vesk::other {

ArrangeBoard::ArrangeBoard(Arrangement arrangement, ItemImages images)
    : m_arrangement(std::move(arrangement)), m_images(std::move(images))
{
}

void ArrangeBoard::Attach(Area area, QWidget* widget)
{
    m_widgets[static_cast<int>(area)] = widget;
}

void ArrangeBoard::Changed()
{
    for (QWidget* widget : m_widgets) {
        if (widget)
            widget->update();
    }
}

void ArrangeBoard::Press(Area area, QPoint local)
{
    QWidget* widget = m_widgets[static_cast<int>(area)];
    const int index = widget ? TileIndexAt(local.x(), local.y(), widget->width(),
                                           static_cast<int>(m_arrangement.Size(area)))
                             : -1;
    CancelDrag();
    if (index < 0) {
        m_pressed.reset();
        return;
    }
    m_pressed = ItemRef{area, index};
    m_selected = m_pressed;
    m_pressPoint = widget->mapToGlobal(local);
    Changed();
}

std::optional<ItemRef> ArrangeBoard::TargetAt(QPoint global) const
{
    for (const Area area : {Area::Shown, Area::Hidden}) {
        QWidget* widget = m_widgets[static_cast<int>(area)];
        if (!widget)
            continue;
        const QPoint local = widget->mapFromGlobal(global);
        if (!widget->rect().contains(local))
            continue;
        // The slot counts the items that stay; the dragged one leaves its place.
        int count = static_cast<int>(m_arrangement.Size(area));
        if (m_pressed && m_pressed->area == area)
            --count;
        else if (m_arrangement.Size(area) >= m_arrangement.Capacity())
            return std::nullopt; // a full area takes no more
        return ItemRef{area, DropSlotAt(local.x(), local.y(), widget->width(), count)};
    }
    return std::nullopt;
}

void ArrangeBoard::MoveTo(QPoint global)
{
    if (!m_pressed)
        return;
    if (!m_dragging && (global - m_pressPoint).manhattanLength() < QApplication::startDragDistance())
        return;
    m_dragging = true;
    m_dragPoint = global;
    m_dropTarget = TargetAt(global);
    Changed();
}

void ArrangeBoard::Release(QPoint global)
{
    if (m_dragging && m_pressed) {
        m_dropTarget = TargetAt(global);
        if (m_dropTarget
            && m_arrangement.Move(m_pressed->area, static_cast<std::size_t>(m_pressed->index), m_dropTarget->area,
                                  static_cast<std::size_t>(m_dropTarget->index))) {
            const int size = static_cast<int>(m_arrangement.Size(m_dropTarget->area));
            m_selected = ItemRef{m_dropTarget->area, std::min(m_dropTarget->index, size - 1)};
        }
    }
    m_pressed.reset();
    CancelDrag();
}

void ArrangeBoard::CancelDrag()
{
    const bool was = m_dragging;
    m_dragging = false;
    m_dropTarget.reset();
    if (was)
        Changed();
}

std::optional<ItemRef> ArrangeBoard::DraggedItem() const
{
    return m_dragging ? m_pressed : std::nullopt;
}

void ArrangeBoard::Focused(Area area)
{
    if ((m_selected && m_selected->area == area) || m_arrangement.Size(area) == 0)
        return;
    m_selected = ItemRef{area, 0};
    Changed();
}

bool ArrangeBoard::Key(Area area, int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Escape && m_dragging) {
        m_pressed.reset();
        CancelDrag();
        return true;
    }
    const int size = static_cast<int>(m_arrangement.Size(area));
    if (size == 0)
        return false;
    if (!m_selected || m_selected->area != area)
        m_selected = ItemRef{area, 0};
    const int at = m_selected->index;
    const bool control = modifiers & Qt::ControlModifier;
    int step = 0;
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        step = -1;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        step = 1;
        break;
    case Qt::Key_Home:
        m_selected->index = 0;
        Changed();
        return true;
    case Qt::Key_End:
        m_selected->index = size - 1;
        Changed();
        return true;
    case Qt::Key_Space: {
        // The selection stays in this area, so Space again sends the next item over.
        const Area other = Other(area);
        if (m_arrangement.Move(area, static_cast<std::size_t>(at), other, m_arrangement.Size(other))) {
            if (size > 1)
                m_selected = ItemRef{area, std::min(at, size - 2)};
            else
                m_selected.reset();
        }
        Changed();
        return true;
    }
    default:
        return false;
    }
    const int next = std::clamp(at + step, 0, size - 1);
    if (control && next != at)
        m_arrangement.Move(area, static_cast<std::size_t>(at), area, static_cast<std::size_t>(next));
    m_selected->index = next;
    Changed();
    return true;
}

} // namespace vesk::other
