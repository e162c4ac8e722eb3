#pragma once
// The state the arrangement dialog's two areas share: the arrangement being
// edited, the selected item, a drag in progress, and the item images. The
// areas hand their input here and paint what it says; every change repaints
// both.
//
// Mouse: press on an item selects it; moving further than the system's drag
// distance with the button down drags it; releasing over either area puts it
// at the gap under the pointer (a hint tile shows that gap while dragging);
// releasing elsewhere, or Escape, leaves everything as it was.
// Keys in an area: ←/→ (↑/↓) select the previous or next item, Ctrl+←/→ move
// the selected item one place, Space moves it to the end of the other area
// (the selection stays in this area),
// Home/End select the first or last item.

#include "components/other/arrangement.h"

#include <QImage>
#include <QPoint>

#include <optional>

class QWidget;

namespace vesk::other {

struct ItemImages {
    QImage normal;
    QImage selected;
    QImage dragged;
    QImage hint;
};

struct ItemRef {
    Area area = Area::Shown;
    int index = 0;
    bool operator==(const ItemRef&) const = default;
};

class ArrangeBoard {
public:
    ArrangeBoard(Arrangement arrangement, ItemImages images);

    // The two area widgets; each is repainted on every change.
    void Attach(Area area, QWidget* widget);
    const Arrangement& Current() const { return m_arrangement; }
    const ItemImages& Images() const { return m_images; }
    std::optional<ItemRef> Selected() const { return m_selected; }

    void Press(Area area, QPoint local);
    void MoveTo(QPoint global);
    void Release(QPoint global);
    void CancelDrag();
    bool Dragging() const { return m_dragging; }
    // The dragged item, where the pointer is (global), and the gap it would
    // drop into (area and slot among the other items), if over an area.
    std::optional<ItemRef> DraggedItem() const;
    QPoint DragPoint() const { return m_dragPoint; }
    std::optional<ItemRef> DropTarget() const { return m_dropTarget; }

    // True when the key was one of the board's.
    bool Key(Area area, int key, Qt::KeyboardModifiers modifiers);
    // An area got the focus: it selects its first item unless it has one.
    void Focused(Area area);

private:
    std::optional<ItemRef> TargetAt(QPoint global) const;
    void Changed();

    Arrangement m_arrangement;
    ItemImages m_images;
    QWidget* m_widgets[2] = {nullptr, nullptr};
    std::optional<ItemRef> m_selected;
    std::optional<ItemRef> m_pressed;
    QPoint m_pressPoint;
    QPoint m_dragPoint;
    bool m_dragging = false;
    std::optional<ItemRef> m_dropTarget;
};

} // namespace vesk::other
