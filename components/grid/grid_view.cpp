#include "components/grid/grid_view.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace vesk::grid {

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    // The style paints the background and the selection; the text is ours.
    item.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
    if (text.isEmpty())
        return;
    const bool selected = item.state & QStyle::State_Selected;
    const QPalette::ColorGroup group = (item.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
    painter->save();
    painter->setFont(item.font);
    painter->setPen(selected ? item.palette.color(group, QPalette::HighlightedText)
                             : item.palette.color(group, QPalette::Text));
    const QRect area = item.rect.adjusted(m_margin, 0, -m_margin, 0);
    painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      item.fontMetrics.elidedText(text, Qt::ElideRight, area.width()));
    painter->restore();
}

GridHeader::GridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setSectionResizeMode(QHeaderView::Interactive);
}

void GridHeader::mouseReleaseEvent(QMouseEvent* event)
{
    m_lastRelease = event->position().toPoint();
    QHeaderView::mouseReleaseEvent(event);
}

GridView::GridView(QWidget* parent) : QTableView(parent), m_header(new GridHeader(this))
{
    setHorizontalHeader(m_header);
    setItemDelegate(&m_delegate);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setTabKeyNavigation(false);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    QPalette colors = palette();
    colors.setColor(QPalette::Base, Qt::white);
    colors.setColor(QPalette::Text, Qt::black);
    setPalette(colors);
}

void GridView::FlushLayout()
{
    executeDelayedItemsLayout();
    updateGeometries();
}

QItemSelectionModel::SelectionFlags GridView::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    QItemSelectionModel::SelectionFlags command = QTableView::selectionCommand(index, event);
    if (event && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<const QMouseEvent*>(event);
        const Qt::KeyboardModifiers keys = press->modifiers();
        if (press->button() == Qt::LeftButton && (keys & Qt::ShiftModifier) && !(keys & Qt::ControlModifier))
            command |= QItemSelectionModel::Clear;
    }
    return command;
}

QModelIndex GridView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    if ((action == MoveHome || action == MoveEnd) && selectionBehavior() == SelectRows)
        modifiers |= Qt::ControlModifier;
    return QTableView::moveCursor(action, modifiers);
}

void GridView::mousePressEvent(QMouseEvent* event)
{
    m_releaseEndsDoubleClick = false;
    QTableView::mousePressEvent(event);
}

void GridView::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    if (m_releaseEndsDoubleClick) {
        m_releaseEndsDoubleClick = false;
        return;
    }
    if (event->button() == Qt::LeftButton)
        Report(MouseReport::Click, event);
    else if (event->button() == Qt::RightButton)
        Report(MouseReport::RightClick, event);
}

void GridView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    m_releaseEndsDoubleClick = true;
    Report(MouseReport::DoubleClick, event);
}

void GridView::Report(MouseReport report, const QMouseEvent* event)
{
    if (onMouse)
        onMouse(report, event->position().toPoint(), event->modifiers());
}

} // namespace vesk::grid
