// Real mouse and keyboard input on the loaded grid: the selection it makes
// and the notifications the dialog hears, with their records.
#include "tests/components/grid/grid_harness.h"

#include <QHeaderView>
#include <QTest>

#include <gtest/gtest.h>

namespace vesk::test {
namespace {

std::vector<SlotInt> SelectedRows(IRyxGridCtrl& grid)
{
    std::vector<SlotInt> rows;
    for (SlotInt k = 0; k < grid.GetSelectedCount(); ++k)
        rows.push_back(grid.GetSelectedRow(0, k));
    return rows;
}

class GridInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(harness.Ready()) << harness.Error();
        harness.SetUpColumns(4);
        harness.Fill(200);
        view = harness.View();
        ASSERT_NE(view, nullptr);
        view->setFocus();
    }
    void Click(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(view->viewport(), button, modifiers, CellCenter(view, row, 1));
    }

    GridHarness harness;
    QTableView* view = nullptr;
};

TEST_F(GridInput, ClicksWithCtrlAndShiftSelectRowsAsAListViewDoes)
{
    IRyxGridCtrl& grid = harness.Grid();
    Click(2);
    EXPECT_EQ(SelectedRows(grid), (std::vector<SlotInt>{2}));
    Click(5, Qt::ControlModifier);
    EXPECT_EQ(SelectedRows(grid), (std::vector<SlotInt>{2, 5}));
    Click(8, Qt::ShiftModifier);
    EXPECT_EQ(SelectedRows(grid), (std::vector<SlotInt>{5, 6, 7, 8})) << "Shift runs from the last clicked row";
    Click(6, Qt::ControlModifier);
    EXPECT_EQ(SelectedRows(grid), (std::vector<SlotInt>{5, 7, 8})) << "Ctrl toggles one row";
    Click(3);
    EXPECT_EQ(SelectedRows(grid), (std::vector<SlotInt>{3}));

    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(SelectedRows(grid), (std::vector<SlotInt>{4}));
    QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(SelectedRows(grid), (std::vector<SlotInt>{4, 5, 6}));
    QTest::keyClick(view, Qt::Key_End);
    EXPECT_EQ(SelectedRows(grid), (std::vector<SlotInt>{199}));
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(grid.GetSelectedCount(), 200);
    EXPECT_EQ(grid.GetSelectedRow(0, 199), 199);
}

TEST_F(GridInput, ClicksReachTheDialogWithRowColumnPointAndKeyFlags)
{
    Click(4, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(harness.Heard().size(), 1u);
    const HeardNotify click = harness.Heard()[0];
    EXPECT_EQ(click.code, NM_CLICK);
    EXPECT_EQ(click.from, harness.Window());
    EXPECT_EQ(click.id, UINT_PTR(kGridId));
    EXPECT_EQ(click.item, 4);
    EXPECT_EQ(click.subItem, 1);
    EXPECT_EQ(click.keyFlags, 2u | 4u);
    const QPoint expected = view->viewport()->mapTo(harness.Window(), CellCenter(view, 4, 1));
    EXPECT_EQ(QPoint(click.x, click.y), expected) << "in the grid window's client coordinates";

    harness.Heard().clear();
    const QPoint below(20, view->viewport()->height() - 3);
    harness.Grid().SetSize(3, 0);
    harness.Grid().Redraw();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, below);
    ASSERT_EQ(harness.Heard().size(), 1u);
    EXPECT_EQ(harness.Heard()[0].item, -1) << "below the last row";
    EXPECT_EQ(harness.Grid().GetSelectedCount(), 0);
}

TEST_F(GridInput, ADoubleClickIsOneClickAndOneDoubleClick)
{
    // What a window system delivers: press, release, press, double click, release.
    const QPoint cell = CellCenter(view, 6, 2);
    QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell);
    std::vector<UINT> codes;
    for (const HeardNotify& heard : harness.Heard())
        codes.push_back(heard.code);
    EXPECT_EQ(codes, (std::vector<UINT>{NM_CLICK, NM_DBLCLK}));
    ASSERT_EQ(harness.Heard().size(), 2u);
    EXPECT_EQ(harness.Heard()[1].item, 6);
    EXPECT_EQ(harness.Heard()[1].subItem, 2);
    EXPECT_EQ(harness.Grid().GetSelectedRow(0, 0), 6);
}

TEST_F(GridInput, ARightClickSelectsAnUnselectedRowButKeepsASelectionItFallsIn)
{
    IRyxGridCtrl& grid = harness.Grid();
    Click(10);
    Click(12, Qt::ShiftModifier);
    harness.Heard().clear();
    Click(11, Qt::NoModifier, Qt::RightButton);
    EXPECT_EQ(SelectedRows(grid), (std::vector<SlotInt>{10, 11, 12})) << "the menu acts on the whole selection";
    Click(20, Qt::NoModifier, Qt::RightButton);
    EXPECT_EQ(SelectedRows(grid), (std::vector<SlotInt>{20}));
    ASSERT_EQ(harness.Heard().size(), 2u);
    EXPECT_EQ(harness.Heard()[0].code, NM_RCLICK);
    EXPECT_EQ(harness.Heard()[0].item, 11);
    EXPECT_EQ(harness.Heard()[1].item, 20);
}

TEST_F(GridInput, AClickOnAColumnHeadSendsTheColumnInTheListViewRecord)
{
    QHeaderView* header = view->horizontalHeader();
    const int x = header->sectionViewportPosition(3) + header->sectionSize(3) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(x, header->height() / 2));
    ASSERT_EQ(harness.Heard().size(), 1u);
    const HeardNotify click = harness.Heard()[0];
    EXPECT_EQ(click.code, LVN_COLUMNCLICK);
    EXPECT_EQ(click.id, UINT_PTR(kGridId));
    EXPECT_EQ(click.item, -1);
    EXPECT_EQ(click.subItem, 3);
    EXPECT_EQ(QPoint(click.x, click.y), header->viewport()->mapTo(harness.Window(), QPoint(x, header->height() / 2)));
    EXPECT_EQ(harness.Grid().GetSelectedCount(), 0) << "a column click selects nothing";
}

} // namespace
} // namespace vesk::test
