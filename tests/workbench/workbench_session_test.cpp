// One filter run as a person does it, in the real host window: digits
// picked, numbers generated, a condition set, the run checked against the
// engine, undo and redo, text moved between the pages, the result saved and
// opened, and the conditions found again after the workbench was reopened.
#include "tests/workbench/session_driver.h"

#include "components/filter/engine/compiled_set.h"
#include "components/filter/engine/condition_set.h"
#include "filtering/grouping/grouping_panel.h"
#include "pages/result/result_ids.h"

#include <QCheckBox>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace vesk::test {
namespace {

constexpr int kEditorText = 8540;
constexpr int kEditorCount = 8127;
constexpr int kEditorTransfer = 8353;
constexpr int kCountText = 8545;
constexpr int kCountToStaging = 8541;
constexpr int kStagingText = 8548;

std::vector<std::string> Words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

int Sum(const std::string& number)
{
    return (number[0] - '0') + (number[1] - '0') + (number[2] - '0');
}

class WorkbenchSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(driver.Host().Environment().SetKeepConditions(true));
        driver.Select(QStringLiteral("组号缩水"));
        ASSERT_NE(driver.Workbench(), nullptr);
    }

    std::vector<std::string> Results() const { return driver.GridNumbers(result::kResultGrid); }
    std::vector<std::string> Recycled() const { return driver.GridNumbers(result::kRecycleGrid); }
    void ClickRight(unsigned id) { driver.ClickIn(driver.RightContainer(), static_cast<int>(id)); }

    SessionDriver driver;
};

TEST_F(WorkbenchSession, OneFilterRunFromDigitsToSavedResultAndKeptConditions)
{
    // Digits 0..5 in every place.
    QWidget* panel = driver.GroupingPanel();
    ASSERT_NE(panel, nullptr);
    for (int row = 0; row < 3; ++row)
        for (int digit = 6; digit <= 9; ++digit)
            driver.ClickIn(panel, static_cast<int>(DigitButtonId(row, digit)));
    driver.ClickIn(panel, IDC_GROUP_GENERATE);
    const std::vector<std::string> generated = NumbersOf({0, 1, 2, 3, 4, 5}, {0, 1, 2, 3, 4, 5}, {0, 1, 2, 3, 4, 5});
    ASSERT_EQ(Results(), generated);

    // 和值 10-12 on the fixed-condition page, then 缩水.
    QWidget* left = driver.LeftContainer();
    for (int value : {10, 11, 12})
        SessionDriver::Click(SessionDriver::SumToggle(left, value));
    driver.ClickIn(panel, IDC_GROUP_FILTER);
    filter::ConditionSet set;
    set.groups.push_back({});
    filter::Condition sum;
    sum.values = {10, 11, 12};
    set.groups[0].conditions.push_back(sum);
    const auto compiled = filter::Compile(set, 3, nullptr).compiled;
    std::vector<std::string> kept, rejected;
    for (const std::string& number : generated)
        (compiled->Passes(static_cast<std::uint32_t>(std::stoi(number))) ? kept : rejected).push_back(number);
    ASSERT_FALSE(kept.empty());
    for (const std::string& number : kept)
        EXPECT_TRUE(Sum(number) >= 10 && Sum(number) <= 12) << number;
    EXPECT_EQ(Results(), kept);
    EXPECT_EQ(Recycled(), rejected);
    EXPECT_EQ(driver.RightTabs()->currentIndex(), 0);

    // Undo brings both lists back, redo the run again.
    ClickRight(result::kUndo);
    EXPECT_EQ(Results(), generated);
    EXPECT_TRUE(Recycled().empty());
    ClickRight(result::kRedo);
    EXPECT_EQ(Results(), kept);
    EXPECT_EQ(Recycled(), rejected);

    // The result list into the editor, one more number typed, and back.
    ClickRight(result::kResultToEditor);
    EXPECT_EQ(driver.LeftTabs()->currentIndex(), 2);
    QWidget* editor = SessionDriver::Control(left, kEditorText);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(Words(SessionDriver::TextOf(editor)), kept);
    QWidget* typing = editor->focusProxy() ? editor->focusProxy() : editor;
    QTest::keyClick(typing, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(typing, " 999");
    SessionDriver::Settle();
    driver.ClickIn(left, kEditorTransfer);
    std::vector<std::string> withTyped = kept;
    withTyped.push_back("999");
    EXPECT_EQ(Results(), withTyped);

    // Count the editor's numbers, then park the report in the staging area.
    driver.ClickIn(left, kEditorCount);
    EXPECT_EQ(driver.LeftTabs()->currentIndex(), 3);
    const CString report = SessionDriver::TextOf(SessionDriver::Control(left, kCountText));
    EXPECT_NE(report.find("999"), CString::npos) << report;
    driver.ClickIn(left, kCountToStaging);
    EXPECT_EQ(driver.RightTabs()->currentIndex(), 2);
    QWidget* staging = SessionDriver::Control(driver.RightContainer(), kStagingText);
    EXPECT_EQ(SessionDriver::TextOf(staging), report);
    EXPECT_TRUE(staging->isVisible());
    EXPECT_FALSE(SessionDriver::Control(driver.RightContainer(), result::kResultGrid)->isVisible());

    // Save as filter data, step back, and open the file again.
    SessionDriver::ClickTab(driver.RightTabs(), 0);
    const std::string saved = driver.Folder() + "/run.flt";
    driver.Script().QueueFileSelection({saved});
    ClickRight(result::kSave);
    ASSERT_TRUE(std::filesystem::exists(saved));
    ClickRight(result::kUndo);
    EXPECT_EQ(Results(), kept);
    driver.Script().QueueFileSelection({saved});
    ClickRight(result::kOpen);
    EXPECT_EQ(Results(), withTyped);
    EXPECT_EQ(driver.Script().UnexpectedRequests(), 0);

    // Closed and opened again it is the same workbench; after a restart of
    // the program the fixed page finds its conditions again.
    driver.ClickIn(panel, IDC_GROUP_CLOSE);
    EXPECT_EQ(driver.Workbench(), nullptr);
    driver.Select(QStringLiteral("组号缩水"));
    ASSERT_NE(driver.Workbench(), nullptr);
    EXPECT_EQ(driver.LeftTabs()->currentIndex(), 3);
    EXPECT_EQ(Results(), withTyped);
    driver.Restart();
    driver.Select(QStringLiteral("组号缩水"));
    ASSERT_NE(driver.Workbench(), nullptr);
    EXPECT_EQ(driver.LeftTabs()->currentIndex(), 0);
    for (int value : {10, 11, 12}) {
        QToolButton* toggle = SessionDriver::SumToggle(driver.LeftContainer(), value);
        ASSERT_NE(toggle, nullptr);
        EXPECT_TRUE(toggle->isChecked()) << value;
    }
    EXPECT_FALSE(SessionDriver::SumToggle(driver.LeftContainer(), 13)->isChecked());
}

TEST_F(WorkbenchSession, NarrowAndWideLayoutsWithListsFilled)
{
    QWidget* panel = driver.GroupingPanel();
    driver.ClickIn(panel, IDC_GROUP_GENERATE);
    for (int value : {8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19})
        SessionDriver::Click(SessionDriver::SumToggle(driver.LeftContainer(), value));
    driver.ClickIn(panel, IDC_GROUP_FILTER);
    const std::size_t kept = Results().size();
    ASSERT_GT(kept, 100u);
    ClickRight(result::kResultToEditor);
    SessionDriver::ClickTab(driver.LeftTabs(), 0);
    for (const QSize size : {QSize(780, 560), QSize(1100, 700)}) {
        driver.Window().resize(size);
        SessionDriver::Settle();
        QWidget* workbench = driver.Workbench();
        // Every pane inside the workbench, none over another.
        const QRect panes[] = {panel->geometry(), driver.LeftContainer()->geometry(),
                               driver.RightContainer()->geometry()};
        for (const QRect& pane : panes)
            EXPECT_TRUE(workbench->rect().contains(pane)) << size.width();
        EXPECT_FALSE(panes[0].intersects(panes[1]));
        EXPECT_FALSE(panes[1].intersects(panes[2]));
        driver.SaveShot(size.width() < 800 ? "workbench-narrow" : "workbench-wide");
    }
    EXPECT_EQ(Results().size(), kept);
}

} // namespace
} // namespace vesk::test
