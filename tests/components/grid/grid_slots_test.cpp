// Every slot of the grid as the result page calls it, through the component
// loaded by the host's loader.
#include "tests/components/grid/grid_harness.h"

#include <QHeaderView>
#include <QPointer>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace vesk::test {
namespace {

QString Shown(QTableView* view, int row, int column, int role = Qt::DisplayRole)
{
    return view->model()->data(view->model()->index(row, column), role).toString();
}

class GridSlots : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(harness.Ready()) << harness.Error(); }
    GridHarness harness;
};

TEST_F(GridSlots, CreatesAChildWindowWithItsIdAndGoesWithItsRelease)
{
    QWidget* window = harness.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetParent(window), harness.Page().m_hWnd);
    EXPECT_EQ(harness.Page().GetDlgItem(kGridId)->m_hWnd, window);
    EXPECT_NE(harness.View(), nullptr);
    const Rect again{0, 0, 10, 10};
    EXPECT_EQ(harness.Grid().Create(&again, harness.Page().ToWindowHandle(), kGridId + 1, 0, 0, 1), 0);

    const Rect area{5, 6, 205, 106};
    EXPECT_EQ(harness.Grid().Move(&area), 1);
    EXPECT_EQ(window->geometry(), QRect(5, 6, 200, 100));
    EXPECT_EQ(harness.Grid().Move(nullptr), 0);

    const QPointer<QWidget> alive(window);
    EXPECT_TRUE(harness.Release());
    EXPECT_TRUE(alive.isNull());
}

TEST_F(GridSlots, AGridWhoseWindowWentWithItsParentAnswersWithoutTouchingIt)
{
    IRyxGridCtrl& grid = harness.Grid();
    harness.SetUpColumns(2);
    harness.Fill(10);
    const QPointer<QWidget> window(harness.Window());
    harness.Page().DestroyWindow();
    ASSERT_TRUE(window.isNull());
    EXPECT_EQ(grid.GetWindow(), 0);
    EXPECT_EQ(grid.SelectRow(1, -1), 0);
    EXPECT_EQ(grid.GetSelectedCount(), 0);
    EXPECT_EQ(grid.EnsureVisible(-1, -2, 0), 0);
    EXPECT_EQ(grid.SetScrollPositions(1, 0), 0);
    EXPECT_EQ(grid.GetScrollPosition(1), 0);
    const Rect area{0, 0, 10, 10};
    EXPECT_EQ(grid.Move(&area), 0);
    EXPECT_EQ(grid.SetMetrics(6, 20, 10000), 1) << "kept for a view there is none of";
    harness.Fill(20);
    EXPECT_EQ(grid.GetRowCount(), 20) << "the content stays usable";
    EXPECT_TRUE(harness.Release());
}

TEST_F(GridSlots, SizesColumnsAndRowsAsTheColumnSetUpAndRefillsPassThem)
{
    IRyxGridCtrl& grid = harness.Grid();
    harness.SetUpColumns(0);
    EXPECT_EQ(grid.GetColumnCount(), 2) << "no attribute column: exactly two";
    EXPECT_EQ(grid.GetRowCount(), 0);
    harness.Fill(25);
    EXPECT_EQ(grid.GetRowCount(), 25);
    EXPECT_EQ(grid.GetColumnCount(), 2) << "a refill keeps the columns";
    EXPECT_EQ(harness.View()->model()->rowCount(), 25);
    EXPECT_EQ(grid.SetSize(0, 0), 1);
    EXPECT_EQ(grid.GetRowCount(), 0) << "a refill of an empty list shows no rows";
    harness.Fill(3);
    EXPECT_EQ(grid.SetSize(0, 5), 1);
    EXPECT_EQ(grid.GetRowCount(), 0) << "the column set-up starts without rows";
    EXPECT_EQ(grid.GetColumnCount(), 5);
    EXPECT_EQ(grid.SetSize(-1, 0), 0);
    EXPECT_EQ(grid.SetSize(0, -1), 0);
    EXPECT_EQ(grid.SetSize(SlotInt(1) << 40, 0), 0);
    EXPECT_EQ(grid.GetColumnCount(), 5);
}

TEST_F(GridSlots, CellsShowAsWrittenWithTheirFormatsTitlesTagsAndColours)
{
    IRyxGridCtrl& grid = harness.Grid();
    harness.SetUpColumns(11);
    harness.Fill(40);
    QTableView* view = harness.View();
    EXPECT_EQ(Shown(view, 0, 0), "1");
    EXPECT_EQ(Shown(view, 39, 0), "40");
    EXPECT_EQ(Shown(view, 7, 1), "007");
    EXPECT_EQ(Shown(view, 0, 9), "009") << "0x20 + 3: three digits with leading zeros";
    EXPECT_EQ(Shown(view, 0, 8), "8");
    EXPECT_EQ(view->model()->headerData(1, Qt::Horizontal).toString(), QString::fromUtf8("投注号码"));
    EXPECT_EQ(view->model()->headerData(12, Qt::Horizontal).toString(), QString::fromUtf8("属性10"));
    EXPECT_EQ(grid.GetColumnTag(9), 7);
    EXPECT_EQ(grid.GetColumnTag(0), 0);
    EXPECT_EQ(grid.GetColumnTag(13), 0);

    // COLORREF is 0x00BBGGRR: 0xFF0000 is blue.
    EXPECT_EQ(view->model()->data(view->model()->index(3, 1), Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
    EXPECT_FALSE(view->model()->data(view->model()->index(3, 1), Qt::BackgroundRole).isValid());
    EXPECT_EQ(grid.SetColumnColor(4, 0x0000FF, 0x00FFFF), 1);
    EXPECT_EQ(view->model()->data(view->model()->index(3, 4), Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
    EXPECT_EQ(view->model()->data(view->model()->index(3, 4), Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 0));

    EXPECT_EQ(grid.SetCellText(40, 1, "x"), 0);
    EXPECT_EQ(grid.SetCellText(0, 13, "x"), 0);
    EXPECT_EQ(grid.SetCellText(0, 1, nullptr), 0);
    EXPECT_EQ(grid.SetCellNumber(0, 2, SlotInt(1) << 33, 0x20), 0);
    EXPECT_EQ(grid.SetColumnTitle(13, "x"), 0);
    EXPECT_EQ(grid.SetColumnColor(13, 0, -1), 0);
    EXPECT_EQ(grid.SetColumnTag(-1, 3), 0);

    // A cell rewritten after a refill shows once Redraw publishes it.
    EXPECT_EQ(grid.SetCellText(5, 1, "999"), 1);
    EXPECT_EQ(grid.Redraw(), 1);
    EXPECT_EQ(Shown(view, 5, 1), "999");
}

TEST_F(GridSlots, MetricsAndModeShapeTheView)
{
    IRyxGridCtrl& grid = harness.Grid();
    harness.SetUpColumns(2);
    harness.Fill(100);
    QTableView* view = harness.View();
    EXPECT_EQ(view->rowHeight(0), 20);
    EXPECT_EQ(view->rowHeight(99), 20);
    EXPECT_EQ(view->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_FALSE(view->showGrid());
    const QFontMetrics metrics(view->font());
    for (int column = 0; column < 4; ++column) {
        const QString title = view->model()->headerData(column, Qt::Horizontal).toString();
        EXPECT_GE(view->columnWidth(column), metrics.horizontalAdvance(title) + 12) << column;
    }
    EXPECT_GE(view->columnWidth(0), metrics.horizontalAdvance(QStringLiteral("100")) + 12);

    EXPECT_EQ(grid.SetMetrics(2, 30, 10), 1);
    EXPECT_EQ(view->rowHeight(50), 30);
    EXPECT_EQ(grid.SetMetrics(-1, 20, 10), 0);
    EXPECT_EQ(grid.SetMetrics(6, 0, 10), 0);
    EXPECT_EQ(grid.SetMetrics(6, 20, -1), 0);
    EXPECT_EQ(view->rowHeight(50), 30);

    EXPECT_EQ(grid.SetMode(0, 1), 1);
    EXPECT_EQ(view->selectionBehavior(), QAbstractItemView::SelectItems);
    EXPECT_TRUE(view->showGrid());
    EXPECT_EQ(grid.SetMode(2, 0), 0);
    EXPECT_EQ(grid.SetMode(1, 0), 1);
    EXPECT_EQ(view->selectionBehavior(), QAbstractItemView::SelectRows);
}

TEST_F(GridSlots, SelectsRowsAndHandsThemOutInRowOrder)
{
    IRyxGridCtrl& grid = harness.Grid();
    harness.SetUpColumns(3);
    harness.Fill(50);
    EXPECT_EQ(grid.GetSelectedCount(), 0);
    EXPECT_EQ(grid.GetSelectedRow(0, 0), -1);
    EXPECT_EQ(grid.SelectRow(7, -1), 1);
    EXPECT_EQ(grid.GetSelectedCount(), 1);
    EXPECT_EQ(grid.GetSelectedRow(0, 0), 7);
    EXPECT_EQ(harness.View()->currentIndex().row(), 7);
    EXPECT_EQ(grid.SelectRow(49, -1), 1);
    EXPECT_EQ(grid.GetSelectedCount(), 1) << "a new row replaces the selection";
    EXPECT_EQ(grid.GetSelectedRow(0, 0), 49);
    EXPECT_EQ(grid.SelectRow(50, -1), 0);
    EXPECT_EQ(grid.GetSelectedRow(0, 0), 49);
    EXPECT_EQ(grid.SelectRow(-1, -1), 1);
    EXPECT_EQ(grid.GetSelectedCount(), 0);

    // Rows selected out of order come back ascending.
    QItemSelectionModel* selection = harness.View()->selectionModel();
    QAbstractItemModel* model = harness.View()->model();
    for (const int row : {30, 4, 12, 13})
        selection->select(model->index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    ASSERT_EQ(grid.GetSelectedCount(), 4);
    EXPECT_EQ(grid.GetSelectedRow(0, 0), 4);
    EXPECT_EQ(grid.GetSelectedRow(0, 1), 12);
    EXPECT_EQ(grid.GetSelectedRow(0, 3), 30);
    EXPECT_EQ(grid.GetSelectedRow(0, 4), -1);
    selection->select(model->index(12, 0), QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    EXPECT_EQ(grid.GetSelectedCount(), 3) << "the count follows the view's selection";
    EXPECT_EQ(grid.GetSelectedRow(0, 1), 13);

    harness.Fill(50);
    EXPECT_EQ(grid.GetSelectedCount(), 0) << "a refill starts without a selection";
}

TEST_F(GridSlots, ScrollPositionsSurviveARefillAndAddedRowsAreScrolledIntoView)
{
    IRyxGridCtrl& grid = harness.Grid();
    harness.SetUpColumns(11);
    harness.Fill(3000);
    QTableView* view = harness.View();
    ASSERT_EQ(grid.SetScrollPositions(1200, 40), 1);
    const SlotInt top = grid.GetScrollPosition(1);
    const SlotInt left = grid.GetScrollPosition(0);
    EXPECT_EQ(top, 1200);
    EXPECT_EQ(left, 40);
    EXPECT_EQ(view->rowAt(1), 1200) << "the top row shown is the position";

    // As after 修改: positions restored after the refill, then a row selected.
    harness.Fill(3000);
    EXPECT_EQ(grid.SetScrollPositions(top, left), 1);
    ASSERT_EQ(grid.SelectRow(5, -1), 1);
    EXPECT_EQ(grid.GetScrollPosition(1), 1200) << "selecting does not scroll";
    EXPECT_EQ(grid.GetScrollPosition(0), 40);
    EXPECT_EQ(grid.SetScrollPositions(1 << 30, -5), 1);
    EXPECT_EQ(grid.GetScrollPosition(1), view->verticalScrollBar()->maximum()) << "clamped";
    EXPECT_EQ(grid.GetScrollPosition(0), 0);
    EXPECT_EQ(grid.GetScrollPosition(2), 0);

    // As after 添加: the new last row selected, then made visible.
    harness.Fill(3001);
    grid.SetScrollPositions(0, 40);
    ASSERT_EQ(grid.SelectRow(3000, -1), 1);
    EXPECT_EQ(grid.EnsureVisible(-1, -2, 0), 1);
    const QRect last = view->visualRect(view->model()->index(3000, 0));
    EXPECT_GE(last.top(), 0) << "the added row is in view";
    EXPECT_LE(last.bottom(), view->viewport()->height());
    EXPECT_EQ(grid.GetScrollPosition(0), 40) << "column -2 keeps the horizontal position";

    grid.SelectRow(-1, -1);
    grid.SetScrollPositions(0, 0);
    view->setCurrentIndex(QModelIndex());
    EXPECT_EQ(grid.EnsureVisible(-1, -2, 0), 1) << "no current row: the last row";
    EXPECT_EQ(view->rowAt(view->viewport()->height() - 2), 3000);
    EXPECT_EQ(grid.EnsureVisible(10, -2, 1), 1);
    EXPECT_EQ(grid.GetScrollPosition(1), 10) << "alignTop puts the row at the top";
    EXPECT_EQ(grid.EnsureVisible(3001, -2, 0), 0);
}

TEST_F(GridSlots, AMillionRowsFillAndScrollToTheEnd)
{
    IRyxGridCtrl& grid = harness.Grid();
    harness.SetUpColumns(11);
    harness.Fill(1000000);
    QTableView* view = harness.View();
    EXPECT_EQ(grid.GetRowCount(), 1000000);
    EXPECT_EQ(Shown(view, 999999, 0), "1000000");
    EXPECT_EQ(Shown(view, 999999, 1), "999");
    ASSERT_EQ(grid.SelectRow(999999, -1), 1);
    ASSERT_EQ(grid.EnsureVisible(-1, -2, 0), 1);
    view->viewport()->repaint();
    EXPECT_EQ(view->rowAt(view->viewport()->height() - 2), 999999);
    // The cell's text area is the column less the 6-pixel margins on both sides.
    const QString last = QStringLiteral("1000000");
    EXPECT_EQ(QFontMetrics(view->font()).elidedText(last, Qt::ElideRight, view->columnWidth(0) - 12), last)
        << "the last serial numbers show whole";
}

} // namespace
} // namespace vesk::test
