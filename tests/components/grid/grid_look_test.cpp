// The grid's look, from its pixels: a white list with a header, coloured
// columns, and the selected rows highlighted across their full width.
#include "tests/components/grid/grid_harness.h"

#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace vesk::test {
namespace {

bool HasColor(const QImage& image, const QRect& area, const std::function<bool(QColor)>& wanted)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (wanted(image.pixelColor(x, y)))
                return true;
    return false;
}

// The style may shade a selection slightly.
bool Near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) <= 12 && std::abs(a.green() - b.green()) <= 12 && std::abs(a.blue() - b.blue()) <= 12;
}

TEST(GridLook, AWhiteListWithAHeaderColouredColumnsAndFullRowSelection)
{
    GridHarness harness(420, 300);
    ASSERT_TRUE(harness.Ready()) << harness.Error();
    harness.SetUpColumns(11);
    harness.Fill(3000);
    harness.Grid().SelectRow(2, -1);
    QTableView* view = harness.View();
    view->setFocus();
    const QImage shot = harness.Window()->grab().toImage();
    // Set VESK_GRID_SCREENSHOT to a file name to look at the picture.
    if (const char* path = std::getenv("VESK_GRID_SCREENSHOT"))
        shot.save(QString::fromLocal8Bit(path));

    const QPoint origin = view->viewport()->mapTo(harness.Window(), QPoint(0, 0));
    const auto rowArea = [&](int row, int column) {
        return view->visualRect(view->model()->index(row, column)).translated(origin);
    };
    EXPECT_GE(origin.y(), view->horizontalHeader()->height()) << "the header sits above the rows";
    EXPECT_GE(view->horizontalHeader()->height(), 16);
    EXPECT_TRUE(view->verticalScrollBar()->isVisible()) << "3000 rows do not fit";
    EXPECT_TRUE(view->horizontalScrollBar()->isVisible()) << "13 columns do not fit in 420 pixels";
    // Row 5, between the texts: white.
    EXPECT_EQ(shot.pixelColor(rowArea(5, 0).left() + 2, rowArea(5, 0).center().y()), QColor(Qt::white));
    // The number column's text is blue, the serial column's black.
    EXPECT_TRUE(HasColor(shot, rowArea(5, 1), [](QColor c) { return c.blue() > 150 && c.red() < 100; }));
    EXPECT_FALSE(HasColor(shot, rowArea(5, 0), [](QColor c) { return c.blue() > 150 && c.red() < 100; }));
    // The selected row is highlighted from its first column to its last shown one.
    const QColor highlight = view->palette().color(QPalette::Active, QPalette::Highlight);
    EXPECT_TRUE(Near(shot.pixelColor(rowArea(2, 0).left() + 1, rowArea(2, 0).center().y()), highlight));
    EXPECT_TRUE(Near(shot.pixelColor(rowArea(2, 4).right() - 1, rowArea(2, 4).top() + 2), highlight));
    EXPECT_FALSE(Near(shot.pixelColor(rowArea(3, 0).left() + 1, rowArea(3, 0).center().y()), highlight));
}

} // namespace
} // namespace vesk::test
