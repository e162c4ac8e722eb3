#pragma once
// The grid's table view, made to look and behave like a list view with a
// header: whole rows selected (click, Ctrl, Shift, keyboard), uniform row
// heights so that millions of rows scroll without measuring any, no grid
// lines, a white background. It reports the mouse clicks the parent must
// hear through a callback, with positions in the viewport's coordinates.

#include <QHeaderView>
#include <QPoint>
#include <QStyledItemDelegate>
#include <QTableView>

#include <cstdint>
#include <functional>

namespace vesk::grid {

enum class MouseReport { Click, DoubleClick, RightClick };

// Draws a cell's text with a margin of its own on either side, which the
// standard delegate does not let one choose.
class GridDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void SetTextMargin(int pixels) { m_margin = pixels; }
    int TextMargin() const { return m_margin; }
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int m_margin = 6;
};

// Remembers where a click on a section ended, for the column-click report.
class GridHeader final : public QHeaderView {
public:
    explicit GridHeader(QWidget* parent);
    QPoint LastReleasePoint() const { return m_lastRelease; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPoint m_lastRelease;
};

class GridView final : public QTableView {
public:
    explicit GridView(QWidget* parent);

    std::function<void(MouseReport, QPoint, Qt::KeyboardModifiers)> onMouse;

    GridDelegate& Delegate() { return m_delegate; }
    GridHeader& Header() { return *m_header; }
    // Lays out pending model changes now, so that scroll ranges are current.
    void FlushLayout();

protected:
    // Shift with a click selects from the anchor to the row alone, and Home
    // and End go to the first and last row, as in a list view.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void Report(MouseReport report, const QMouseEvent* event);

    GridDelegate m_delegate;
    GridHeader* m_header;
    // The release that ends a double click is no click of its own.
    bool m_releaseEndsDoubleClick = false;
};

} // namespace vesk::grid
