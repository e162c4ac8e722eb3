#include "pages/text/count_page.h"
#include "pages/text/staging_page.h"

#include "framework/scripted_interaction.h"
#include "pages/text/text_page_layout.h"
#include "tests/workbench_pages/page_host.h"

#include <QTest>
#include <gtest/gtest.h>

namespace vesk::test {
namespace {

template <typename Page> class TextPageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(page.Create(pages.Container()));
        pages.Resize(page, 330, 300);
    }
    bool Enabled(UINT id) { return page.Button(id).IsWindowEnabled() != FALSE; }
    int Caret()
    {
        int start = 0;
        int end = 0;
        page.TextArea().GetSel(start, end);
        return start;
    }

    PageHost pages;
    ScriptedInteraction script;
    Page page { &pages.Host() };
};

using StagingPageTest = TextPageTest<StagingPage>;
using CountPageTest = TextPageTest<CountPage>;

TEST_F(StagingPageTest, ButtonsNeedTextExceptOpen)
{
    for (const UINT id : { IDC_STAGING_SAVE, IDC_STAGING_CLEAR, IDC_STAGING_TO_EDITOR })
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(Enabled(IDC_STAGING_OPEN));
    page.TextArea().SetFocus();
    QTest::keyClicks(page.TextArea().GetSafeHwnd(), "x");
    Settle();
    for (const UINT id : { IDC_STAGING_SAVE, IDC_STAGING_CLEAR, IDC_STAGING_TO_EDITOR })
        EXPECT_TRUE(Enabled(id)) << id;
    Click(page.Button(IDC_STAGING_CLEAR));
    EXPECT_EQ(page.Text(), "");
    EXPECT_FALSE(Enabled(IDC_STAGING_TO_EDITOR));
}

TEST_F(StagingPageTest, LoadingTwoFilesIntoAnEmptyPage)
{
    script.QueueFileSelection({ pages.WriteFile("1.txt", "first"), pages.WriteFile("2.txt", "second") });
    Click(page.Button(IDC_STAGING_OPEN));
    EXPECT_EQ(page.Text(), "first\r\n\r\nsecond\r\n\r\n");
    EXPECT_EQ(Caret(), 0);
    EXPECT_TRUE(Enabled(IDC_STAGING_TO_EDITOR));
    EXPECT_NE(script.FileDialogs().at(0).flags & OFN_ALLOWMULTISELECT, 0u);
}

TEST_F(StagingPageTest, LoadingAfterTextSeparatesOldAndNew)
{
    page.SetText("parked");
    script.QueueFileSelection({ pages.WriteFile("1.txt", "new") });
    Click(page.Button(IDC_STAGING_OPEN));
    EXPECT_EQ(page.Text(), "parked\r\n\r\nnew\r\n\r\n");
    EXPECT_EQ(Caret(), 10);

    script.QueueFileCancel();
    Click(page.Button(IDC_STAGING_OPEN));
    script.QueueFileSelection({ pages.Folder() + "gone.txt" });
    Click(page.Button(IDC_STAGING_OPEN));
    EXPECT_EQ(page.Text(), "parked\r\n\r\nnew\r\n\r\n");
    EXPECT_EQ(script.MessageBoxes().size(), 1u);
}

TEST_F(StagingPageTest, AppendedBlocksFollowABlankLineAndMoveTheCaretOnlyWhenAsked)
{
    page.AppendBlockText("a", AppendedCaret::AtBlock);
    EXPECT_EQ(page.Text(), "a");
    EXPECT_TRUE(Enabled(IDC_STAGING_TO_EDITOR));
    page.TextArea().SetSel(1, 1);
    page.AppendBlockText("b", AppendedCaret::Keep);
    EXPECT_EQ(page.Text(), "a\r\n\r\nb");
    EXPECT_EQ(Caret(), 1);
    page.AppendBlockText("号c", AppendedCaret::AtBlock);
    EXPECT_EQ(page.Text(), "a\r\n\r\nb\r\n\r\n号c");
    EXPECT_EQ(Caret(), 10);
}

TEST_F(StagingPageTest, TransferGoesToTheWorkbenchAndSaveUsesTheDefaultName)
{
    page.SetText("abc");
    Click(page.Button(IDC_STAGING_TO_EDITOR));
    ASSERT_EQ(pages.Workbench().commands.size(), 1u);
    EXPECT_EQ(pages.Workbench().commands[0].wParam, MAKEWPARAM(IDC_STAGING_TO_EDITOR, BN_CLICKED));

    const std::string target = pages.Folder() + "out.txt";
    script.QueueFileSelection({ target });
    Click(page.Button(IDC_STAGING_SAVE));
    EXPECT_EQ(script.FileDialogs().at(0).fileName, "3D暂存区文本");
    EXPECT_EQ(ReadFile(target), "abc");
}

TEST_F(CountPageTest, LoadingAFileReplacesTheText)
{
    page.SetText("old report");
    script.QueueFileSelection({ pages.WriteFile("r.txt", "123: 2") });
    Click(page.Button(IDC_COUNT_OPEN));
    EXPECT_EQ(page.Text(), "123: 2");
    EXPECT_EQ(Caret(), 0);
    EXPECT_EQ(script.FileDialogs().at(0).flags & OFN_ALLOWMULTISELECT, 0u);

    Click(page.Button(IDC_COUNT_TO_STAGING));
    ASSERT_EQ(pages.Workbench().commands.size(), 1u);
    EXPECT_EQ(pages.Workbench().commands[0].wParam, MAKEWPARAM(IDC_COUNT_TO_STAGING, BN_CLICKED));

    script.QueueFileSelection({ pages.Folder() + "out.txt" });
    Click(page.Button(IDC_COUNT_SAVE));
    EXPECT_EQ(script.FileDialogs().at(1).fileName, "3D号码统计文本");
    Click(page.Button(IDC_COUNT_CLEAR));
    EXPECT_EQ(page.Text(), "");
    EXPECT_TRUE(static_cast<QWidget*>(page.TextArea().GetSafeHwnd())->hasFocus());
    EXPECT_FALSE(Enabled(IDC_COUNT_SAVE));
}

TEST_F(CountPageTest, TextIsBlueOnTheDefaultBackground)
{
    page.SetText("888888888888");
    const QImage shot = Grab(page.TextArea());
    bool blue = false;
    bool black = false;
    // Right of the caret, which is black.
    for (int y = 0; y < 20; ++y) {
        for (int x = 8; x < 120; ++x) {
            const QColor c = shot.pixelColor(x, y);
            blue |= c.blue() > 200 && c.red() < 80 && c.green() < 80;
            black |= c.blue() < 60 && c.red() < 60 && c.green() < 60;
        }
    }
    EXPECT_TRUE(blue);
    EXPECT_FALSE(black);
}

TEST_F(CountPageTest, ButtonsSitInARowUnderTheText)
{
    for (const int width : { 330, 200 }) {
        pages.Resize(page, width, 300);
        const TextPageLayout expected = LayoutTextPage(width, 300, 30);
        const UINT order[] = { IDC_COUNT_OPEN, IDC_COUNT_SAVE, IDC_COUNT_CLEAR, IDC_COUNT_TO_STAGING };
        for (std::size_t i = 0; i < 4; ++i) {
            CRect at;
            page.Button(order[i]).GetWindowRect(&at);
            page.ScreenToClient(&at);
            EXPECT_EQ(at.left, expected.buttons[i].left) << width << " " << i;
            EXPECT_EQ(at.top, 279);
        }
        CRect text;
        page.TextArea().GetWindowRect(&text);
        EXPECT_EQ(text.Height(), 270);
    }
}

} // namespace
} // namespace vesk::test
