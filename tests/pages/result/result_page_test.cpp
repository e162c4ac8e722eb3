// The result page with the real grid and host services: the list operations
// and their undo steps, status and enabling, sorting, views, the menu, the
// snapshot requests and the buttons forwarded to the workbench.
#include "tests/pages/result/page_harness.h"

#include "framework/popup_menu.h"
#include "framework/scripted_interaction.h"
#include "numbers/number_list.h"
#include "pages/options/result_options.h"
#include "pages/result/result_ids.h"

#include "app/services/digit_pad.h"
#include "skin/focus_message.h"

#include <QAbstractButton>
#include <QApplication>
#include <QAbstractItemView>
#include <QImage>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>

namespace vesk::test {
namespace {

using namespace vesk::result;

class ResultPageTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(harness.Ready()); }
    std::vector<std::string> Shown() { return harness.GridNumbers(harness.Page().ResultGrid()); }
    // Types digits into the number input dialog and confirms it.
    void QueueInput(const std::string& digits)
    {
        script.QueueModalAction([digits](CDialog& dialog) {
            dialog.SetDlgItemText(kNumberEdit, digits);
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
    }

    PageHarness harness;
    ScriptedInteraction script;
};

TEST_F(ResultPageTest, UndoAndRedoMoveBothListsTogetherFromTheEmptyStart)
{
    ResultPage& page = harness.Page();
    EXPECT_FALSE(harness.Enabled(kUndo));
    page.ResultList().ParseText("123 456", 3);
    page.RecycleList().ParseText("789", 3);
    page.RecordChange();
    harness.SetResult("111");
    EXPECT_EQ(Shown(), (std::vector<std::string>{"111"}));
    EXPECT_TRUE(harness.Enabled(kUndo));
    EXPECT_FALSE(harness.Enabled(kRedo));

    harness.Click(kUndo);
    EXPECT_EQ(harness.ResultText(), "123 456");
    EXPECT_EQ(harness.RecycleText(), "789");
    EXPECT_EQ(Shown(), (std::vector<std::string>{"123", "456"}));
    harness.Click(kUndo);
    EXPECT_EQ(harness.ResultText(), "");
    EXPECT_EQ(harness.RecycleText(), "") << "the first step undoes to empty lists";
    EXPECT_FALSE(harness.Enabled(kUndo));
    harness.Click(kUndo); // nothing left: nothing happens
    harness.Click(kRedo);
    EXPECT_EQ(harness.RecycleText(), "789");
    EXPECT_EQ(harness.GridNumbers(page.RecycleGrid()), (std::vector<std::string>{"789"}));
    EXPECT_TRUE(harness.Enabled(kRedo));
    harness.Click(kClear); // a new change drops the redo part
    EXPECT_FALSE(harness.Enabled(kRedo));
    EXPECT_EQ(page.History().RedoSteps(), 0u);
}

TEST_F(ResultPageTest, StatusAndButtonsFollowRowsAndSelection)
{
    EXPECT_EQ(harness.Text(kStatusResult), "缩水结果:0注");
    for (const unsigned id : {kClear, kSave, kPrint, kToChart, kGroupToSingle, kResultToEditor, kDelete})
        EXPECT_FALSE(harness.Enabled(id)) << id;
    harness.SetResult("321");
    harness.SetRecycle("555 666");
    EXPECT_EQ(harness.Text(kStatusResult), "缩水结果:1注");
    EXPECT_EQ(harness.Text(kStatusRecycle), "回收区结果:2注");
    for (const unsigned id : {kClear, kSave, kPrint, kToChart, kGroupToSingle, kSingleToGroup, kResultToEditor,
                              kRecycleToEditor})
        EXPECT_TRUE(harness.Enabled(id)) << id;
    EXPECT_FALSE(harness.Enabled(kDelete));
    harness.Page().ResultGrid()->SelectRow(0, -1);
    harness.Notify(kResultGrid, NM_CLICK, 0, 1);
    EXPECT_TRUE(harness.Enabled(kDelete));
}

TEST_F(ResultPageTest, AddAndModifyThroughTheInputDialog)
{
    harness.SetResult("100 200");
    QueueInput("042");
    harness.Click(kAdd);
    EXPECT_EQ(harness.ResultText(), "100 200 042");
    IRyxGridCtrl* grid = harness.Page().ResultGrid();
    EXPECT_EQ(grid->GetSelectedCount(), 1);
    EXPECT_EQ(grid->GetSelectedRow(0, 0), 2);
    const std::size_t steps = harness.Page().History().UndoSteps();

    QueueInput("201");
    harness.Notify(kResultGrid, NM_DBLCLK, 1, 1);
    EXPECT_EQ(harness.ResultText(), "100 201 042");
    EXPECT_EQ(grid->GetSelectedRow(0, 0), 1);
    EXPECT_EQ(harness.Page().History().UndoSteps(), steps + 1);

    QueueInput("201"); // unchanged text: no step
    harness.Notify(kResultGrid, NM_DBLCLK, 1, 1);
    EXPECT_EQ(harness.Page().History().UndoSteps(), steps + 1);
    harness.Notify(kResultGrid, NM_DBLCLK, -1, 1); // below the rows: no dialog
    EXPECT_EQ(script.UnexpectedRequests(), 0);
    ASSERT_EQ(script.MessageBoxes().size(), 0u);
}

TEST_F(ResultPageTest, ANumberTypedInThatTheListHoldsIsShownNotBetTwice)
{
    harness.SetResult("100 200 300");
    const std::size_t steps = harness.Page().History().UndoSteps();
    QueueInput("300");
    harness.Click(kAdd);
    EXPECT_EQ(harness.ResultText(), "100 200 300");
    EXPECT_EQ(harness.Page().ResultGrid()->GetSelectedRow(0, 0), 2);
    ASSERT_EQ(script.MessageBoxes().size(), 1u);
    EXPECT_EQ(script.MessageBoxes()[0].text, "号码 300 已在缩水器中。");

    QueueInput("100"); // row 1 may not become another row's number
    harness.Notify(kResultGrid, NM_DBLCLK, 1, 1);
    EXPECT_EQ(harness.ResultText(), "100 200 300");
    EXPECT_EQ(script.MessageBoxes().size(), 2u);
    EXPECT_EQ(harness.Page().History().UndoSteps(), steps);
}

TEST_F(ResultPageTest, ARealDoubleClickOpensTheRowAndThePadTypesIntoTheEdit)
{
    harness.SetResult("100 200 300");
    IRyxGridCtrl* grid = harness.Page().ResultGrid();
    auto* view = FromWindowHandle(grid->GetWindow())->findChild<QAbstractItemView*>();
    ASSERT_NE(view, nullptr);
    app::DigitPad& pad = harness.RealHost().Pad();
    std::string initial;
    int keys = 0;
    script.QueueModalAction([&](CDialog& dialog) {
        initial = dialog.GetDlgItemText(kNumberEdit);
        CWnd* edit = dialog.GetDlgItem(kNumberEdit);
        QApplication::setActiveWindow(dialog.m_hWnd);
        edit->SetFocus();
        dialog.SendMessage(WM_EDIT_FOCUS_MOVE, kNumberEdit, 0);
        if (!pad.IsActive())
            return dialog.EndDialog(IDCANCEL);
        keys = static_cast<int>(pad.Window()->findChildren<QAbstractButton*>().size());
        dialog.SetDlgItemText(kNumberEdit, "");
        for (const char* key : {"2", "5", "9"}) {
            for (QAbstractButton* button : pad.Window()->findChildren<QAbstractButton*>())
                if (button->text() == QLatin1String(key))
                    button->click();
        }
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QPoint row = view->visualRect(view->model()->index(2, 1)).center();
    ASSERT_TRUE(view->viewport()->rect().contains(row)) << view->viewport()->width() << "x" << view->viewport()->height();
    // The sequence a real double click delivers.
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, row);
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, row);
    EXPECT_EQ(initial, "300");
    EXPECT_EQ(keys, 10);
    EXPECT_EQ(harness.ResultText(), "100 200 259");
    EXPECT_FALSE(IsWaitCursorShown());
}

TEST_F(ResultPageTest, InputDialogEnablesOkOnlyForAWholeNumberAndNamesItself)
{
    std::string caption;
    bool okAtTwo = true;
    bool okAtThree = false;
    script.QueueModalAction([&](CDialog& dialog) {
        caption = dialog.GetWindowText();
        dialog.SetDlgItemText(kNumberEdit, "12");
        okAtTwo = dialog.GetDlgItem(IDOK)->IsWindowEnabled();
        dialog.SetDlgItemText(kNumberEdit, "123");
        okAtThree = dialog.GetDlgItem(IDOK)->IsWindowEnabled();
        dialog.EndDialog(IDCANCEL);
    });
    harness.Click(kAdd);
    EXPECT_EQ(caption, "增加号码");
    EXPECT_FALSE(okAtTwo);
    EXPECT_TRUE(okAtThree);
    EXPECT_EQ(harness.ResultText(), "");
}

TEST_F(ResultPageTest, DeleteSelectsTheNextRowOrTheNewLastOne)
{
    harness.SetResult("001 002 003 004 005");
    IRyxGridCtrl* grid = harness.Page().ResultGrid();
    harness.Click(kDelete); // nothing selected: nothing happens
    EXPECT_EQ(harness.ResultText(), "001 002 003 004 005");
    QWidget* window = FromWindowHandle(grid->GetWindow());
    auto* view = window->findChild<QAbstractItemView*>();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(1, 1)).center());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      view->visualRect(view->model()->index(3, 1)).center());
    harness.Click(kDelete);
    EXPECT_EQ(harness.ResultText(), "001 003 005");
    EXPECT_EQ(grid->GetSelectedRow(0, 0), 1);
    EXPECT_EQ(harness.RecycleText(), "") << "deleted numbers are discarded";
    grid->SelectRow(2, -1);
    harness.Click(kDelete);
    EXPECT_EQ(grid->GetSelectedRow(0, 0), 1) << "the new last row";
    grid->SelectRow(0, -1);
    harness.Click(kDelete);
    grid->SelectRow(0, -1);
    harness.Click(kDelete);
    EXPECT_EQ(harness.ResultText(), "");
    EXPECT_EQ(grid->GetSelectedCount(), 0);
}

TEST_F(ResultPageTest, ConversionsAreUndoSteps)
{
    harness.SetResult("123");
    harness.Click(kGroupToSingle);
    EXPECT_EQ(harness.ResultText(), "123 132 213 231 312 321");
    harness.Click(kSingleToGroup);
    EXPECT_EQ(harness.ResultText(), "123");
    harness.Click(kUndo);
    EXPECT_EQ(harness.Page().ResultList().Count(), 6u);
}

TEST_F(ResultPageTest, SortingTheResultGridIsAStepTheRecycleGridIsNot)
{
    harness.SetResult("300 100 200");
    harness.SetRecycle("900 700 800");
    const std::size_t steps = harness.Page().History().UndoSteps();
    harness.Notify(kResultGrid, LVN_COLUMNCLICK, -1, 0);
    EXPECT_EQ(harness.Page().History().UndoSteps(), steps) << "column 0 sorts nothing";
    harness.Notify(kResultGrid, LVN_COLUMNCLICK, -1, 1);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"100", "200", "300"}));
    harness.Notify(kResultGrid, LVN_COLUMNCLICK, -1, 1);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"300", "200", "100"}));
    EXPECT_EQ(harness.Page().History().UndoSteps(), steps + 2);

    harness.Notify(kRecycleGrid, LVN_COLUMNCLICK, -1, 1);
    EXPECT_EQ(harness.GridNumbers(harness.Page().RecycleGrid()), (std::vector<std::string>{"700", "800", "900"}));
    EXPECT_EQ(harness.Page().History().UndoSteps(), steps + 2);
    // The recycle grid's state is its own: its first click was ascending.
    harness.Notify(kResultGrid, LVN_COLUMNCLICK, -1, 1);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"100", "200", "300"}));
}

TEST_F(ResultPageTest, ColumnsComeFromTheShownColumnsRecord)
{
    ResultPage& page = harness.Page();
    const auto shown = static_cast<std::size_t>(page.Columns().size());
    EXPECT_EQ(page.ResultGrid()->GetColumnCount(), static_cast<SlotInt>(shown + 2));
    ASSERT_EQ(harness.RealHost().Environment().WriteOption(4204, 0, nullptr), 1);
    ASSERT_TRUE(harness.Recreate());
    EXPECT_EQ(harness.Page().ResultGrid()->GetColumnCount(), 2);
    EXPECT_EQ(harness.Page().RecycleGrid()->GetColumnCount(), 2);
    harness.SetResult("456");
    EXPECT_EQ(Shown(), (std::vector<std::string>{"456"}));
}

TEST_F(ResultPageTest, ViewsShowTheirOwnControls)
{
    ResultPage& page = harness.Page();
    QWidget* resultGrid = FromWindowHandle(page.ResultGrid()->GetWindow());
    QWidget* recycleGrid = FromWindowHandle(page.RecycleGrid()->GetWindow());
    EXPECT_TRUE(resultGrid->isVisible());
    EXPECT_FALSE(recycleGrid->isVisible());
    EXPECT_FALSE(page.GetDlgItem(kRecycleToEditor)->IsWindowVisible());
    page.SetViewMode(0);
    EXPECT_FALSE(resultGrid->isVisible());
    EXPECT_TRUE(recycleGrid->isVisible());
    EXPECT_TRUE(page.GetDlgItem(kStatusRecycle)->IsWindowVisible());
    EXPECT_FALSE(page.GetDlgItem(kAdd)->IsWindowVisible());
    // Layout: the recycle grid stands on whole rows above its button row.
    EXPECT_EQ(recycleGrid->height(), (500 - 28) / 20 * 20);
    RECT button;
    page.GetDlgItem(kRecycleToEditor)->GetWindowRect(&button);
    page.ScreenToClient(&button);
    EXPECT_EQ(button.top, 500 - 21);
}

TEST_F(ResultPageTest, MenuOffersTheItemsWithTheirThresholdsAndRunsTheChoice)
{
    harness.SetResult("777");
    script.QueueMenuChoice(kClear);
    harness.Notify(kResultGrid, NM_RCLICK, 0, 1);
    ASSERT_EQ(script.Menus().size(), 1u);
    const RecordedMenu& menu = script.Menus()[0];
    ASSERT_EQ(menu.ids.size(), 16u);
    EXPECT_EQ(menu.ids[0], kAdd);
    EXPECT_EQ(menu.ids[3], 0u) << "a separator";
    EXPECT_EQ(menu.ids[13], kPrint);
    EXPECT_EQ(menu.ids[15], kOptions);
    EXPECT_EQ(harness.ResultText(), "") << "the chosen command ran";
}

// The real popup of a menu, closed with Escape as soon as it shows; its size
// and whether its rows were drawn are what a user would see.
class PopupProbe final : public ScriptedInteraction {
public:
    UINT ChooseMenuItem(const MenuRequest& request) override
    {
        QTimer::singleShot(0, [this] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (widget->isVisible() && (widget->windowFlags() & Qt::Popup) == Qt::Popup) {
                    shownSize = widget->size();
                    picture = widget->grab().toImage();
                    QTest::keyClick(widget, Qt::Key_Escape);
                }
        });
        return detail::RunPopupMenu(request.menu, request.owner, request.pt);
    }
    QSize shownSize;
    QImage picture;
};

TEST(ResultPagePopupTest, TheResultListsMenuShowsItsItems)
{
    PageHarness harness;
    ASSERT_TRUE(harness.Ready());
    harness.SetResult("777");
    PopupProbe probe;
    harness.Notify(kResultGrid, NM_RCLICK, 0, 1);
    // Sixteen rows (three of them separators) of readable height and width.
    EXPECT_GT(probe.shownSize.height(), 13 * 16) << probe.shownSize.width() << "x" << probe.shownSize.height();
    EXPECT_GE(probe.shownSize.width(), 124);
    ASSERT_FALSE(probe.picture.isNull());
    if (const char* path = std::getenv("VESK_MENU_PICTURE"))
        probe.picture.save(QString::fromLocal8Bit(path));
    // Text was drawn: the picture is not one flat colour.
    const QRgb first = probe.picture.pixel(0, 0);
    bool varied = false;
    for (int y = 0; y < probe.picture.height() && !varied; y += 2)
        for (int x = 0; x < probe.picture.width() && !varied; x += 2)
            varied = probe.picture.pixel(x, y) != first;
    EXPECT_TRUE(varied);
}

TEST_F(ResultPageTest, SnapshotRequestsActOnlyWithOptionByteZero)
{
    harness.SetResult("135 246");
    ListSnapshot taken;
    ResultPage& page = harness.Page();
    EXPECT_EQ(page.SendMessage(kMessageResultSnapshot, kSnapshotTake, reinterpret_cast<LPARAM>(&taken)), 0);
    EXPECT_EQ(taken.count, 0u);

    options::ResultOptions keep;
    keep.SetKeepWithConditions(true);
    ASSERT_TRUE(options::WriteResultOptions(harness.RealHost().Environment(), keep));
    ASSERT_TRUE(harness.Recreate());
    ResultPage& again = harness.Page();
    EXPECT_EQ(harness.ResultText(), "") << "the last page gave its lists back to the registry";
    harness.SetResult("135 246");
    EXPECT_EQ(again.SendMessage(kMessageResultSnapshot, kSnapshotTake, reinterpret_cast<LPARAM>(&taken)), 1);
    EXPECT_EQ(taken.count, 2u);
    harness.SetResult("999");
    const std::size_t steps = again.History().UndoSteps();
    ListSnapshot empty;
    again.SendMessage(kMessageResultSnapshot, kSnapshotRestore, reinterpret_cast<LPARAM>(&empty));
    EXPECT_EQ(again.History().UndoSteps(), steps);
    again.SendMessage(kMessageResultSnapshot, 103, reinterpret_cast<LPARAM>(&taken));
    EXPECT_EQ(harness.ResultText(), "999");
    // A snapshot the list refuses (a digit above 9) changes nothing.
    std::uint8_t bad[3] = {1, 12, 3};
    ListSnapshot damaged;
    damaged.marker = kSnapshotMarker;
    damaged.length = 3;
    damaged.count = 1;
    damaged.digits = bad;
    EXPECT_EQ(again.SendMessage(kMessageResultSnapshot, kSnapshotRestore, reinterpret_cast<LPARAM>(&damaged)), 0);
    damaged.digits = nullptr; // not ours to free
    EXPECT_EQ(harness.ResultText(), "999");
    EXPECT_EQ(again.History().UndoSteps(), steps);
    again.SendMessage(kMessageResultSnapshot, kSnapshotRestore, reinterpret_cast<LPARAM>(&taken));
    EXPECT_EQ(harness.ResultText(), "135 246");
    EXPECT_EQ(again.History().UndoSteps(), steps + 1);
    ReleaseSnapshot(taken);
}

TEST_F(ResultPageTest, EditorButtonsGoToTheWorkbenchUnchangedAndOverwriteIsStored)
{
    harness.SetResult("123");
    harness.Click(kResultToEditor);
    harness.Click(kRecycleToEditor);
    const auto& heard = harness.Workbench().commands;
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[0].wParam, MAKEWPARAM(kResultToEditor, BN_CLICKED));
    EXPECT_EQ(heard[1].wParam, MAKEWPARAM(kRecycleToEditor, BN_CLICKED));
    EXPECT_EQ(harness.ResultText(), "123");

    CWnd* box = harness.Page().GetDlgItem(kOverwrite);
    RECT rect;
    box->GetClientRect(&rect);
    QTest::mouseClick(box->m_hWnd, Qt::LeftButton, {}, QPoint(5, rect.bottom / 2));
    EXPECT_TRUE(options::ReadResultOptions(harness.RealHost().Environment()).Overwrite());
    EXPECT_TRUE(harness.Page().Options().Overwrite());
}

} // namespace
} // namespace vesk::test
