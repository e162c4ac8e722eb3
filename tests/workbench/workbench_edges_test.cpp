// The workbench's edges in the real host window: the layout threshold, runs
// that cannot start, pass everything or reject everything, pick-one-and-two
// generation, numbers handed in by other features, and the tabs.
#include "tests/workbench/session_driver.h"

#include "filtering/grouping/grouping_panel.h"
#include "framework/ctooltipctrl.h"
#include "host/module_messages.h"
#include "numbers/list_snapshot.h"
#include "numbers/uint_array.h"
#include "pages/options/result_options.h"
#include "pages/result/result_ids.h"

#include <QApplication>
#include <QCheckBox>
#include <QTabBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace vesk::test {
namespace {

constexpr char kWrongPage[] = "必须在相应的缩水条件页面才能进行缩水！";

// The tip a skinned button shows, read from the tooltip window it owns.
CString TipOf(QWidget* button)
{
    QList<QWidget*> candidates = button->findChildren<QWidget*>();
    candidates += QApplication::topLevelWidgets();
    for (QWidget* widget : candidates)
        if (auto* tip = dynamic_cast<CToolTipCtrl*>(CWnd::FromHandle(widget)))
            if (CString text = tip->GetText(CWnd::FromHandle(button), 1); !text.empty())
                return text;
    return {};
}

class WorkbenchEdges : public ::testing::Test {
protected:
    void SetUp() override
    {
        driver.Select(QStringLiteral("组号缩水"));
        ASSERT_NE(driver.Workbench(), nullptr);
        panel = driver.GroupingPanel();
        ASSERT_NE(panel, nullptr);
    }

    std::vector<std::string> Results() const { return driver.GridNumbers(result::kResultGrid); }
    std::vector<std::string> Recycled() const { return driver.GridNumbers(result::kRecycleGrid); }
    void Generate() { driver.ClickIn(panel, IDC_GROUP_GENERATE); }
    void Run() { driver.ClickIn(panel, IDC_GROUP_FILTER); }
    // Only the listed digits stay on in row (the row button clears a full row).
    void SelectOnly(int row, std::initializer_list<int> digits)
    {
        driver.ClickIn(panel, static_cast<int>(kGroupRowIds[static_cast<std::size_t>(row)]));
        for (int digit : digits)
            driver.ClickIn(panel, static_cast<int>(DigitButtonId(row, digit)));
    }
    void ToggleSum(int value)
    {
        QWidget* left = driver.LeftContainer();
        for (QCheckBox* box : left->findChildren<QCheckBox*>()) {
            if (box->text() != QStringLiteral("和值") || !box->isVisibleTo(left))
                continue;
            for (QToolButton* toggle : box->parentWidget()->parentWidget()->findChildren<QToolButton*>())
                if (toggle->text() == QString::number(value))
                    SessionDriver::Click(toggle);
        }
    }
    LRESULT Send(UINT message, WPARAM wParam, const void* lParam)
    {
        return CWnd::FromHandle(driver.Workbench())
            ->SendMessage(message, wParam, reinterpret_cast<LPARAM>(lParam));
    }

    SessionDriver driver;
    QWidget* panel = nullptr;
};

TEST_F(WorkbenchEdges, WidthsBelow800AreNarrowAndFrom800Wide)
{
    QWidget* workbench = driver.Workbench();
    workbench->resize(799, 560);
    SessionDriver::Settle();
    EXPECT_EQ(panel->geometry(), QRect(6, 6, 346, 136));
    EXPECT_EQ(driver.LeftContainer()->geometry(), QRect(6, 148, 346, 560 - 154));
    EXPECT_EQ(driver.RightContainer()->geometry(), QRect(358, 6, 799 - 364, 560 - 12));
    workbench->resize(800, 560);
    SessionDriver::Settle();
    EXPECT_EQ(panel->geometry(), QRect(6, 6, 423, 112));
    EXPECT_EQ(driver.LeftContainer()->geometry(), QRect(6, 124, 423, 560 - 130));
    EXPECT_EQ(driver.RightContainer()->geometry(), QRect(435, 6, 800 - 441, 560 - 12));
    // The pages fill their containers below the tabs.
    QWidget* resultPage = SessionDriver::Control(driver.RightContainer(), result::kResultGrid)->parentWidget();
    EXPECT_EQ(resultPage->geometry(), QRect(0, 19, 800 - 441, 560 - 12 - 19));
}

TEST_F(WorkbenchEdges, ARunNeedsAConditionTabInFront)
{
    Generate();
    ASSERT_EQ(Results().size(), 1000u);
    for (int tab : {2, 3}) {
        SessionDriver::ClickTab(driver.LeftTabs(), tab);
        Run();
        ASSERT_FALSE(driver.Script().MessageBoxes().empty());
        EXPECT_EQ(driver.Script().MessageBoxes().back().text, kWrongPage);
        EXPECT_EQ(driver.Script().MessageBoxes().back().caption, "提示信息");
        EXPECT_EQ(Results().size(), 1000u);
    }
    EXPECT_EQ(driver.Script().MessageBoxes().size(), 2u);
}

TEST_F(WorkbenchEdges, ARunTheFilterRefusesShowsItsReasonAndChangesNothing)
{
    Generate();
    Run(); // no condition set
    ASSERT_EQ(driver.Script().MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.Script().MessageBoxes()[0].text, "没有设置缩水条件");
    EXPECT_EQ(driver.Script().MessageBoxes()[0].caption, "提示信息");
    EXPECT_EQ(Results().size(), 1000u);
    EXPECT_TRUE(Recycled().empty());
}

TEST_F(WorkbenchEdges, PassingEverythingKeepsTheRecycleListAndRejectingEverythingEmptiesTheResult)
{
    Generate();
    ToggleSum(10);
    Run();
    const std::vector<std::string> recycled = Recycled();
    const std::vector<std::string> kept = Results();
    ASSERT_EQ(kept.size() + recycled.size(), 1000u);
    ASSERT_FALSE(kept.empty());
    Run(); // every number left passes
    EXPECT_EQ(Results(), kept);
    EXPECT_EQ(Recycled(), recycled);

    SelectOnly(0, {0});
    SelectOnly(1, {0});
    SelectOnly(2, {0});
    Generate();
    ASSERT_EQ(Results(), std::vector<std::string>{"000"});
    Run();
    EXPECT_TRUE(Results().empty());
    EXPECT_EQ(Recycled(), std::vector<std::string>{"000"});
}

TEST_F(WorkbenchEdges, AnEmptyResultListStillRunsAndLeavesAnUndoPoint)
{
    QWidget* undo = SessionDriver::Control(driver.RightContainer(), static_cast<int>(result::kUndo));
    ASSERT_NE(undo, nullptr);
    EXPECT_FALSE(undo->isEnabled());
    ToggleSum(10);
    Run();
    EXPECT_TRUE(driver.Script().MessageBoxes().empty());
    EXPECT_TRUE(Results().empty());
    EXPECT_TRUE(Recycled().empty());
    EXPECT_TRUE(undo->isEnabled());
}

TEST_F(WorkbenchEdges, PickOneAndTwoGivesTheOneGroupNumber)
{
    driver.ClickIn(panel, IDC_GROUP_MODE_2);
    SelectOnly(0, {1});
    SelectOnly(1, {2});
    Generate();
    const std::vector<std::string> results = Results();
    ASSERT_EQ(results.size(), 1u);
    std::string digits = results[0];
    std::sort(digits.begin(), digits.end());
    EXPECT_EQ(digits, "122");
}

TEST_F(WorkbenchEdges, NumbersHandedInReplaceTheResultListUnlessThereAreNone)
{
    SessionDriver::ClickTab(driver.RightTabs(), 2);
    C3DUIntArray presence;
    ASSERT_TRUE(presence.SetSize(1000));
    EXPECT_EQ(Send(kMessageTransferNumbers, kTransferPresence, &presence), 0);
    EXPECT_TRUE(Results().empty());
    EXPECT_EQ(driver.RightTabs()->currentIndex(), 2); // nothing handed in: nothing happens
    presence[7] = 1;
    presence[123] = 1;
    Send(kMessageTransferNumbers, kTransferPresenceToo, &presence);
    EXPECT_EQ(Results(), (std::vector<std::string>{"007", "123"}));
    EXPECT_EQ(driver.RightTabs()->currentIndex(), 0);
}

TEST_F(WorkbenchEdges, SnapshotRequestsReachTheResultList)
{
    // The result page answers them only with its keep-with-conditions option on.
    options::ResultOptions keep;
    keep.SetKeepWithConditions(true);
    ASSERT_TRUE(options::WriteResultOptions(driver.Host().Environment(), keep));
    driver.Restart();
    driver.Select(QStringLiteral("组号缩水"));
    ASSERT_NE(driver.Workbench(), nullptr);
    C3DUIntArray presence;
    ASSERT_TRUE(presence.SetSize(1000));
    presence[7] = 1;
    presence[123] = 1;
    Send(kMessageTransferNumbers, kTransferPresence, &presence);
    ListSnapshot snapshot{};
    Send(kMessageResultSnapshot, kSnapshotTake, &snapshot);
    const std::uint8_t digits[] = {4, 5, 6};
    const void* pointers[] = {digits};
    NumberPointerListRecord list{nullptr, {nullptr, const_cast<void**>(pointers), 1, 1, 0}};
    Send(kMessageTransferNumbers, kTransferPointerList, &list);
    EXPECT_EQ(Results(), std::vector<std::string>{"456"});
    Send(kMessageResultSnapshot, kSnapshotRestore, &snapshot);
    EXPECT_EQ(Results(), (std::vector<std::string>{"007", "123"}));
    Send(kMessageResultSnapshot, 103, &snapshot); // not a snapshot request
    EXPECT_EQ(Results(), (std::vector<std::string>{"007", "123"}));
    std::free(snapshot.digits);
}

TEST_F(WorkbenchEdges, TheRecycleTabShowsTheSamePageAndOnlyStagingShowsBehindItsTab)
{
    QWidget* right = driver.RightContainer();
    QWidget* resultGrid = SessionDriver::Control(right, result::kResultGrid);
    QWidget* recycleGrid = SessionDriver::Control(right, result::kRecycleGrid);
    QWidget* staging = SessionDriver::Control(right, 8548)->parentWidget();
    SessionDriver::ClickTab(driver.RightTabs(), 1);
    EXPECT_TRUE(recycleGrid->isVisible());
    EXPECT_FALSE(resultGrid->isVisible());
    EXPECT_EQ(recycleGrid->parentWidget(), resultGrid->parentWidget());
    SessionDriver::ClickTab(driver.RightTabs(), 2);
    EXPECT_TRUE(staging->isVisible());
    EXPECT_FALSE(resultGrid->parentWidget()->isVisible());
    SessionDriver::ClickTab(driver.RightTabs(), 0);
    EXPECT_TRUE(resultGrid->isVisible());
    EXPECT_FALSE(staging->isVisible());

    // The editor's transfer button names where its text goes.
    QWidget* transfer = SessionDriver::Control(driver.LeftContainer(), 8353);
    EXPECT_EQ(TipOf(transfer), "将编辑器中的号码转至缩水器");
    SessionDriver::ClickTab(driver.RightTabs(), 2);
    EXPECT_EQ(TipOf(transfer), "将编辑器中的内容转至暂存区");
    SessionDriver::ClickTab(driver.RightTabs(), 1);
    EXPECT_EQ(TipOf(transfer), "将编辑器中的号码转至缩水器");

    // The left tabs show one page each.
    QWidget* editor = SessionDriver::Control(driver.LeftContainer(), 8540)->parentWidget();
    SessionDriver::ClickTab(driver.LeftTabs(), 2);
    EXPECT_TRUE(editor->isVisible());
    SessionDriver::ClickTab(driver.LeftTabs(), 0);
    EXPECT_FALSE(editor->isVisible());
}

} // namespace
} // namespace vesk::test
