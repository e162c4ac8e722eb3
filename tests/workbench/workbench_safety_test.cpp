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

    // An end the user chose removes the copy; putting it back stands for a crash.
    driver.Script().QueueMessageBoxAnswer(IDNO);
    driver.Window().close();
    EXPECT_FALSE(fs::exists(RecoveryPath()));
    driver.Restart();
    fs::copy_file(kept, RecoveryPath(), fs::copy_options::overwrite_existing);
    driver.Script().QueueMessageBoxAnswer(IDYES);
    Open();
    ASSERT_EQ(driver.Script().MessageBoxes().size(), 2u);
    EXPECT_EQ(driver.Script().MessageBoxes()[1].text, "恢复上次未保存的号码？");
    EXPECT_EQ(Results(), generated);
    EXPECT_EQ(Control(kStagingText)->GetWindowText(), "明天看 123");

    // Declined, the copy gives way to the work as it is now.
    driver.Restart();
    fs::copy_file(kept, RecoveryPath(), fs::copy_options::overwrite_existing);
    driver.Script().QueueMessageBoxAnswer(IDNO);
    Open();
    EXPECT_TRUE(Results().empty());
    EXPECT_EQ(driver.Script().UnexpectedRequests(), 0);
}

TEST_F(WorkbenchSafety, QuittingWithUnsavedNumbersAsksAndKeepsTheProgramOpenUnlessTheyAreSavedOrLetGo)
{
    Generate();
    ASSERT_EQ(Results().size(), 1000u);
    const auto quit = [this](int answer) {
        driver.Script().QueueMessageBoxAnswer(answer);
        driver.Window().close();
        SessionDriver::Settle();
        return !driver.Window().isVisible();
    };
    // 取消, and 保存… whose file dialog is cancelled: the program stays.
    EXPECT_FALSE(quit(IDCANCEL));
    ASSERT_EQ(driver.Script().MessageBoxes().size(), 1u);
    const MessageBoxRequest& asked = driver.Script().MessageBoxes()[0];
    EXPECT_EQ(asked.text, "缩水器中有 1000 注未保存，退出前保存吗？");
    EXPECT_EQ(asked.type & MB_TYPEMASK, MB_YESNOCANCEL);
    EXPECT_EQ(asked.yesText, "保存…");
    EXPECT_EQ(asked.noText, "不保存");
    EXPECT_EQ(asked.cancelText, "取消");
    driver.Script().QueueFileCancel();
    EXPECT_FALSE(quit(IDYES));
    // A save that fails keeps it open too.
    driver.Script().QueueFileSelection({driver.Folder() + "missing/folder/bets.txt"});
    EXPECT_FALSE(quit(IDYES));
    EXPECT_EQ(Results().size(), 1000u);
    WaitForTheCopy();
    EXPECT_TRUE(fs::exists(RecoveryPath()));

    // 保存… runs the result page's own save, then the program ends.
    const std::string saved = driver.Folder() + "bets.txt";
    driver.Script().QueueFileSelection({saved});
    EXPECT_TRUE(quit(IDYES));
    EXPECT_TRUE(fs::exists(saved));
    EXPECT_GT(fs::file_size(saved), 3000u);
    EXPECT_FALSE(fs::exists(RecoveryPath())) << "the user chose this end";
}

TEST_F(WorkbenchSafety, NothingChangedSinceTheLastSaveOrUndoneBackAsksNothing)
{
    Generate();
    driver.ClickIn(driver.RightContainer(), static_cast<int>(result::kUndo));
    ASSERT_TRUE(Results().empty());
    driver.Window().close();
    EXPECT_TRUE(driver.Script().MessageBoxes().empty());
    EXPECT_FALSE(driver.Window().isVisible());

    // Saved, then changed and changed back: nothing to ask either.
    driver.Restart();
    Open();
    Generate();
    driver.Script().QueueFileSelection({driver.Folder() + "all.txt"});
    driver.ClickIn(driver.RightContainer(), static_cast<int>(result::kSave));
    driver.ClickIn(driver.RightContainer(), static_cast<int>(result::kClear));
    driver.ClickIn(driver.RightContainer(), static_cast<int>(result::kUndo));
    ASSERT_EQ(Results().size(), 1000u);
    const std::size_t asked = driver.Script().MessageBoxes().size();
    driver.Window().close();
    EXPECT_EQ(driver.Script().MessageBoxes().size(), asked);
    EXPECT_FALSE(driver.Window().isVisible());
}

TEST_F(WorkbenchSafety, OnlyTheStagingTextChangedIsNamedAndDiscardedOnRequest)
{
    Control(kStagingText)->SetWindowText("明天看 123");
    driver.Script().QueueMessageBoxAnswer(IDNO);
    driver.Window().close();
    ASSERT_EQ(driver.Script().MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.Script().MessageBoxes()[0].text, "暂存区的文本未保存，退出前保存吗？");
    EXPECT_FALSE(driver.Window().isVisible());
    EXPECT_FALSE(fs::exists(RecoveryPath()));
}

TEST_F(WorkbenchSafety, AnEndTheUserDidNotChooseKeepsTheCopy)
{
    Generate();
    // Ended at once after the change, before the copy's pause is over.
    driver.Restart();
    ASSERT_TRUE(fs::exists(RecoveryPath()));
    driver.Script().QueueMessageBoxAnswer(IDYES);
    Open();
    ASSERT_FALSE(driver.Script().MessageBoxes().empty());
    EXPECT_EQ(driver.Script().MessageBoxes().back().text, "恢复上次未保存的号码？");
    EXPECT_EQ(Results().size(), 1000u);
    // Taken back, the numbers are still unsaved.
    driver.Script().QueueMessageBoxAnswer(IDCANCEL);
    driver.Window().close();
    EXPECT_EQ(driver.Script().MessageBoxes().back().text, "缩水器中有 1000 注未保存，退出前保存吗？");
    EXPECT_TRUE(driver.Window().isVisible());
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
