// The user's work is safe in the real host window: a recovery copy follows
// every change and is offered after an unclean end, refused input is told in
// Chinese and changes nothing, and the wait cursor never hides a question.
#include "tests/workbench/session_driver.h"

#include "filtering/filter_workbench.h"
#include "filtering/grouping/grouping_panel.h"
#include "framework/wait_cursor.h"
#include "pages/options/result_options.h"
#include "pages/result/result_ids.h"

#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vesk::test {
namespace {

constexpr int kEditorText = 8540;
constexpr int kEditorTransfer = 8353;
constexpr int kStagingText = 8548;

namespace fs = std::filesystem;

// Records whether the wait cursor was up when each box was asked.
class CursorWatchingScript : public ScriptedInteraction {
public:
    int MessageBox(const MessageBoxRequest& request) override
    {
        waitCursorAtBox.push_back(IsWaitCursorShown());
        return ScriptedInteraction::MessageBox(request);
    }
    std::vector<bool> waitCursorAtBox;
};

class WorkbenchSafety : public ::testing::Test {
protected:
    void Open()
    {
        driver.Select(QStringLiteral("组号缩水"));
        ASSERT_NE(driver.Workbench(), nullptr);
    }
    void SetUp() override { Open(); }

    std::string RecoveryPath() const { return driver.Folder() + "data/" + kRecoveryFileName; }
    std::vector<std::string> Results() const { return driver.GridNumbers(result::kResultGrid); }
    void Generate() { driver.ClickIn(driver.GroupingPanel(), IDC_GROUP_GENERATE); }
    CWnd* Control(int id) const { return CWnd::FromHandle(SessionDriver::Control(driver.Workbench(), id)); }
    // Lets the copy's one-second pause pass.
    static void WaitForTheCopy() { QTest::qWait(1300); }

    SessionDriver driver;
};

TEST_F(WorkbenchSafety, AnUncleanEndOffersTheNumbersAndTheStagingTextBack)
{
    Generate();
    const std::vector<std::string> generated = Results();
    ASSERT_EQ(generated.size(), 1000u);
    // The copy is written a moment after the change, with the text as it is then.
    Control(kStagingText)->SetWindowText("明天看 123");
    WaitForTheCopy();
    ASSERT_TRUE(fs::exists(RecoveryPath()));
    const fs::path kept = driver.Folder() + "kept.recovery";
    fs::copy_file(RecoveryPath(), kept);

    // A clean end removes the copy; putting it back stands for a crash.
    driver.Restart();
    EXPECT_FALSE(fs::exists(RecoveryPath()));
    fs::copy_file(kept, RecoveryPath());
    driver.Script().QueueMessageBoxAnswer(IDYES);
    Open();
    ASSERT_EQ(driver.Script().MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.Script().MessageBoxes()[0].text, "恢复上次未保存的号码？");
    EXPECT_EQ(Results(), generated);
    EXPECT_EQ(Control(kStagingText)->GetWindowText(), "明天看 123");

    // Declined, the copy gives way to the work as it is now.
    driver.Restart();
    fs::copy_file(kept, RecoveryPath());
    driver.Script().QueueMessageBoxAnswer(IDNO);
    Open();
    EXPECT_TRUE(Results().empty());
    EXPECT_EQ(driver.Script().UnexpectedRequests(), 0);
}

TEST_F(WorkbenchSafety, ADamagedCopyIsSetAsideAndNothingIsAsked)
{
    driver.Restart();
    std::ofstream(RecoveryPath(), std::ios::binary) << "3DVESK-RECOVERY 1\n\x03\x00";
    Open();
    EXPECT_TRUE(driver.Script().MessageBoxes().empty());
    EXPECT_TRUE(fs::exists(RecoveryPath() + ".damaged"));
}

TEST_F(WorkbenchSafety, MatchRefusalsAreChineseAndChangeNothing)
{
    options::ResultOptions match;
    match.SetMatchActive(true);
    match.SetMatchCharacter('?');
    ASSERT_TRUE(options::WriteResultOptions(driver.Host().Environment(), match));
    driver.Restart();
    Open();
    Generate();
    const std::vector<std::string> before = Results();
    // 20,001 groups of three match characters: more numbers than are ever built.
    std::string text;
    for (int i = 0; i < 20001; ++i)
        text += "??? ";
    Control(kEditorText)->SetWindowText(text);
    driver.ClickIn(driver.LeftContainer(), kEditorTransfer);
    ASSERT_FALSE(driver.Script().MessageBoxes().empty());
    const std::string& said = driver.Script().MessageBoxes().back().text;
    EXPECT_NE(said.find("通配符"), std::string::npos) << said;
    EXPECT_EQ(said.find("the match"), std::string::npos) << said;
    EXPECT_EQ(Results(), before);
}

TEST_F(WorkbenchSafety, OverwritingFromTheEditorReplacesTheList)
{
    options::ResultOptions overwrite;
    overwrite.SetOverwrite(true);
    ASSERT_TRUE(options::WriteResultOptions(driver.Host().Environment(), overwrite));
    driver.Restart();
    Open();
    Generate();
    Control(kEditorText)->SetWindowText("321 123 321");
    driver.ClickIn(driver.LeftContainer(), kEditorTransfer);
    EXPECT_EQ(Results(), (std::vector<std::string>{"123", "321"})); // ascending, once each
}

TEST_F(WorkbenchSafety, RunMessagesShowTheNormalCursor)
{
    CursorWatchingScript script;
    Generate();
    // The combined page with no condition: the filter refuses the run.
    driver.ClickTab(driver.LeftTabs(), 1);
    driver.ClickIn(driver.GroupingPanel(), IDC_GROUP_FILTER);
    // The editor tab: not a condition page.
    driver.ClickTab(driver.LeftTabs(), 2);
    driver.ClickIn(driver.GroupingPanel(), IDC_GROUP_FILTER);
    ASSERT_EQ(script.waitCursorAtBox.size(), 2u);
    EXPECT_FALSE(script.waitCursorAtBox[0]);
    EXPECT_FALSE(script.waitCursorAtBox[1]);
}

} // namespace
} // namespace vesk::test
