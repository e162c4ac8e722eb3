#include "pages/editor/editor_page.h"

#include "framework/scripted_interaction.h"
#include "host/other_interfaces.h"
#include "pages/editor/editor_layout.h"
#include "tests/workbench_pages/page_host.h"

#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <cstring>

namespace vesk::test {
namespace {

class EditorPageTest : public ::testing::Test {
protected:
    void SetUp() override { Open(); }

    void Open()
    {
        page = std::make_unique<EditorPage>(&pages.Host());
        ASSERT_TRUE(page->Create(pages.Container()));
        pages.Resize(*page, 330, 300);
    }
    void Reopen()
    {
        page->DestroyWindow();
        Open();
    }
    bool Enabled(UINT id) { return page->Button(id).IsWindowEnabled() != FALSE; }
    ColumnSetting Stored()
    {
        std::uint8_t record[8] = {};
        const SlotInt length = pages.Host().Environment().ReadOption(kColumnOptionId, record);
        return DecodeColumnSetting(record, static_cast<std::size_t>(length));
    }
    void Command(UINT id) { page->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

    PageHost pages;
    ScriptedInteraction script;
    std::unique_ptr<EditorPage> page;
};

TEST_F(EditorPageTest, ButtonsFollowTheTextAndTooltipsNameTheTarget)
{
    for (const UINT id :
        { IDC_EDITOR_SAVE, IDC_EDITOR_CLEAR, IDC_EDITOR_PRINT, IDC_EDITOR_COUNT, IDC_EDITOR_TRANSFER })
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(Enabled(IDC_EDITOR_OPEN));

    page->TextArea().SetFocus();
    QTest::keyClicks(page->TextArea().GetSafeHwnd(), "1");
    Settle();
    EXPECT_EQ(page->Text(), "1");
    for (const UINT id :
        { IDC_EDITOR_SAVE, IDC_EDITOR_CLEAR, IDC_EDITOR_PRINT, IDC_EDITOR_COUNT, IDC_EDITOR_TRANSFER })
        EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_EQ(page->TextArea().GetLimitText(), 0xFFFFFFu);

    CBaseButton& transfer = page->Button(IDC_EDITOR_TRANSFER);
    EXPECT_EQ(TipOf(transfer), "将编辑器中的号码转至缩水器");
    page->ShowTransferTarget(true);
    EXPECT_EQ(TipOf(transfer), "将编辑器中的内容转至暂存区");
    CBaseButton& count = page->Button(IDC_EDITOR_COUNT);
    EXPECT_EQ(TipOf(count), "对编辑器中的号码进行次数统计");
}

TEST_F(EditorPageTest, CountAndTransferGoUnchangedToTheWorkbench)
{
    page->SetText("123 456");
    Click(page->Button(IDC_EDITOR_COUNT));
    Click(page->Button(IDC_EDITOR_TRANSFER));
    const auto& commands = pages.Workbench().commands;
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].wParam, MAKEWPARAM(IDC_EDITOR_COUNT, BN_CLICKED));
    EXPECT_EQ(commands[0].lParam, reinterpret_cast<LPARAM>(page->Button(IDC_EDITOR_COUNT).GetSafeHwnd()));
    EXPECT_EQ(commands[1].wParam, MAKEWPARAM(IDC_EDITOR_TRANSFER, BN_CLICKED));
    EXPECT_EQ(page->Text(), "123 456"); // the page leaves both to the workbench
}

TEST_F(EditorPageTest, ColumnSettingIsStoredOnEveryChangeAndReadBack)
{
    // Nothing stored yet: no columns, and the radios say so.
    EXPECT_EQ(page->Radio(IDC_EDITOR_NO_COLUMNS).GetCheck(), 1);
    EXPECT_EQ(page->ColumnCountBox().GetWindowText(), "10");
    EXPECT_EQ(page->PerLineCount(7), 7);

    page->ColumnCountBox().SetWindowText("15");
    Click(page->Radio(IDC_EDITOR_ONE_PER_LINE));
    EXPECT_EQ(Stored(), (ColumnSetting { 1, 15 }));
    EXPECT_EQ(page->PerLineCount(7), 1);
    EXPECT_EQ(page->Radio(IDC_EDITOR_ONE_PER_LINE).GetCheck(), 1);
    EXPECT_EQ(page->Radio(IDC_EDITOR_NO_COLUMNS).GetCheck(), 0);

    Click(page->Radio(IDC_EDITOR_NO_COLUMNS));
    EXPECT_EQ(Stored(), (ColumnSetting { 0, -15 }));
    EXPECT_EQ(page->PerLineCount(99999999), 99999999);

    // Entering the box picks the custom radio without storing; leaving stores.
    page->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EDITOR_COLUMN_COUNT, CBN_SETFOCUS), 0);
    EXPECT_EQ(page->Radio(IDC_EDITOR_CUSTOM_COLUMNS).GetCheck(), 1);
    EXPECT_EQ(Stored(), (ColumnSetting { 0, -15 }));
    page->ColumnCountBox().SetWindowText("0");
    page->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EDITOR_COLUMN_COUNT, CBN_KILLFOCUS), 0);
    EXPECT_EQ(Stored(), (ColumnSetting { 0, 10 }));

    page->ColumnCountBox().SetWindowText("25");
    Click(page->Radio(IDC_EDITOR_CUSTOM_COLUMNS));
    Reopen();
    EXPECT_EQ(page->Radio(IDC_EDITOR_CUSTOM_COLUMNS).GetCheck(), 1);
    EXPECT_EQ(page->Radio(IDC_EDITOR_ONE_PER_LINE).GetCheck(), 0);
    EXPECT_EQ(page->ColumnCountBox().GetWindowText(), "25");
    EXPECT_EQ(page->PerLineCount(3), 25);
}

TEST_F(EditorPageTest, FocusInTheCountBoxPicksCustomAndLeavingItStores)
{
    QWidget* box = page->ColumnCountBox().GetSafeHwnd();
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
    Settle();
    EXPECT_EQ(page->Radio(IDC_EDITOR_CUSTOM_COLUMNS).GetCheck(), 1);
    EXPECT_EQ(page->Radio(IDC_EDITOR_NO_COLUMNS).GetCheck(), 0);
    page->ColumnCountBox().SetWindowText("40");
    page->TextArea().SetFocus();
    Settle();
    EXPECT_EQ(Stored(), (ColumnSetting { 0, 40 }));
    EXPECT_EQ(page->PerLineCount(500), 40);
}

TEST_F(EditorPageTest, AppendedTextKeepsTheCaretWhenTheWorkbenchAsks)
{
    page->SetText("123");
    page->TextArea().SetSel(1, 1);
    page->AppendBlockText("456", AppendedCaret::Keep);
    EXPECT_EQ(page->Text(), "123\r\n\r\n456");
    int start = 0;
    int end = 0;
    page->TextArea().GetSel(start, end);
    EXPECT_EQ(start, 1);
    page->SetText("");
    page->AppendBlockText("789", AppendedCaret::AtBlock);
    EXPECT_EQ(page->Text(), "789");
    EXPECT_TRUE(Enabled(IDC_EDITOR_COUNT));
}

TEST_F(EditorPageTest, NoColumnsKeepsTheLastCountForTheBox)
{
    page->ColumnCountBox().SetWindowText("");
    Click(page->Radio(IDC_EDITOR_NO_COLUMNS));
    EXPECT_EQ(Stored(), (ColumnSetting { 0, -10 }));
    Reopen();
    EXPECT_EQ(page->Radio(IDC_EDITOR_NO_COLUMNS).GetCheck(), 1);
    EXPECT_EQ(page->ColumnCountBox().GetWindowText(), "10");
}

TEST_F(EditorPageTest, LoadingTwoFilesAppendsEachWithABlankLine)
{
    page->SetText("old");
    const std::string a = pages.WriteFile("a.txt", "123 456");
    const std::string b = pages.WriteFile("b.txt", "789");
    script.QueueFileSelection({ a, b });
    Click(page->Button(IDC_EDITOR_OPEN));
    EXPECT_EQ(page->Text(), "old\r\n\r\n123 456\r\n\r\n789\r\n\r\n");
    int start = 0;
    int end = 0;
    page->TextArea().GetSel(start, end);
    EXPECT_EQ(start, 7);
    EXPECT_EQ(end, 7);
    ASSERT_EQ(script.FileDialogs().size(), 1u);
    EXPECT_TRUE(script.FileDialogs()[0].open);
    EXPECT_NE(script.FileDialogs()[0].flags & OFN_ALLOWMULTISELECT, 0u);
    EXPECT_EQ(script.FileDialogs()[0].filter, "文本文件(*.txt)|*.txt||");
}

TEST_F(EditorPageTest, LoadingIntoAnEmptyEditorEnablesTheButtonsAndReadsGb18030)
{
    // "号码" in GB18030, then digits.
    const std::string path = pages.WriteFile("gb.txt", "\xBA\xC5\xC2\xEB 012");
    script.QueueFileSelection({ path });
    Click(page->Button(IDC_EDITOR_OPEN));
    EXPECT_EQ(page->Text(), "号码 012\r\n\r\n");
    EXPECT_TRUE(Enabled(IDC_EDITOR_TRANSFER));
}

TEST_F(EditorPageTest, EveryReadableFileIsLoadedAndTheOthersAreNamed)
{
    page->SetText("keep");
    const std::string good = pages.WriteFile("good.txt", "123");
    const std::string also = pages.WriteFile("also.txt", "456");
    script.QueueFileSelection({ good, pages.Folder() + "missing.txt", also, pages.Folder() });
    Click(page->Button(IDC_EDITOR_OPEN));
    EXPECT_EQ(page->Text(), "keep\r\n\r\n123\r\n\r\n456\r\n\r\n");
    ASSERT_EQ(script.MessageBoxes().size(), 1u);
    const std::string& said = script.MessageBoxes()[0].text;
    EXPECT_NE(said.find("missing.txt"), std::string::npos);
    EXPECT_NE(said.find(pages.Folder()), std::string::npos);
    EXPECT_EQ(said.find("good.txt"), std::string::npos);

    script.QueueFileCancel();
    Click(page->Button(IDC_EDITOR_OPEN));
    EXPECT_EQ(page->Text(), "keep\r\n\r\n123\r\n\r\n456\r\n\r\n");
    EXPECT_EQ(script.MessageBoxes().size(), 1u);
}

// A multi-gigabyte file picked by mistake is named, not read into memory.
TEST_F(EditorPageTest, AFileLargerThanTextAreasTakeIsRefusedUnread)
{
    page->SetText("keep");
    const std::string huge = pages.WriteFile("huge.txt", "123");
    std::filesystem::resize_file(huge, 3ull << 30); // sparse: no disk is spent
    script.QueueFileSelection({ huge });
    Click(page->Button(IDC_EDITOR_OPEN));
    EXPECT_EQ(page->Text(), "keep");
    ASSERT_EQ(script.MessageBoxes().size(), 1u);
    EXPECT_NE(script.MessageBoxes()[0].text.find("huge.txt"), std::string::npos);
}

TEST_F(EditorPageTest, SaveWritesTheTextUnderTheHostsDefaultName)
{
    page->SetText("123 456\r\n789");
    const std::string target = pages.Folder() + "saved.txt";
    script.QueueFileSelection({ target });
    Click(page->Button(IDC_EDITOR_SAVE));
    ASSERT_EQ(script.FileDialogs().size(), 1u);
    EXPECT_EQ(script.FileDialogs()[0].fileName, "3D编辑器文本");
    EXPECT_EQ(ReadFile(target), "123 456\r\n789");
}

TEST_F(EditorPageTest, ClearEmptiesFocusesAndDisablesTheButtons)
{
    page->SetText("123");
    Click(page->Button(IDC_EDITOR_CLEAR));
    EXPECT_EQ(page->Text(), "");
    EXPECT_TRUE(static_cast<QWidget*>(page->TextArea().GetSafeHwnd())->hasFocus());
    EXPECT_FALSE(Enabled(IDC_EDITOR_CLEAR));
    EXPECT_FALSE(Enabled(IDC_EDITOR_COUNT));
}

TEST_F(EditorPageTest, PrintTellsWhenThereIsNoNumberOrNoPrintComponent)
{
    page->SetText("ab 12");
    Command(IDC_EDITOR_PRINT);
    ASSERT_EQ(script.MessageBoxes().size(), 1u);
    EXPECT_EQ(script.MessageBoxes()[0].text, "编辑器的数字个数不够组成号码");
    EXPECT_EQ(script.MessageBoxes()[0].caption, "提示信息");

    // The temporary plug-in folder holds no print component.
    page->SetText("123");
    Command(IDC_EDITOR_PRINT);
    ASSERT_EQ(script.MessageBoxes().size(), 2u);
    EXPECT_NE(script.MessageBoxes()[1].text.find("打印组件"), std::string::npos);
}

TEST_F(EditorPageTest, EditorNumbersAreThePresenceOfCompleteTriples)
{
    page->SetText("12345");
    C3DUIntArray presence;
    ASSERT_TRUE(page->GetEditorNumbers(presence));
    ASSERT_EQ(presence.GetSize(), 1000u);
    std::size_t present = 0;
    for (std::size_t code = 0; code < presence.GetSize(); ++code)
        present += presence.GetAt(code);
    EXPECT_EQ(present, 1u);
    EXPECT_EQ(presence.GetAt(123), 1u);
}

TEST_F(EditorPageTest, ControlsSitWhereTheLayoutPutsThem)
{
    for (const auto& [width, height] : { std::pair { 330, 300 }, std::pair { 520, 460 } }) {
        pages.Resize(*page, width, height);
        CRect noColumns;
        page->Radio(IDC_EDITOR_NO_COLUMNS).GetWindowRect(&noColumns);
        const EditorLayout expected = LayoutEditor(width, height, noColumns.Width());
        CRect at;
        page->TextArea().GetWindowRect(&at);
        page->ScreenToClient(&at);
        EXPECT_EQ(at.Width(), width);
        EXPECT_EQ(at.Height(), height - 58);
        page->Button(IDC_EDITOR_TRANSFER).GetWindowRect(&at);
        page->ScreenToClient(&at);
        EXPECT_EQ(at.left, expected.buttons[5].left);
        EXPECT_EQ(at.top, height - 21);
        EXPECT_EQ(at.Width(), std::min((width - 8) / 6, 75));
        page->ColumnCountBox().GetWindowRect(&at);
        page->ScreenToClient(&at);
        EXPECT_EQ(at.left, expected.combo.x);
        EXPECT_EQ(at.top, height - 46);
    }
    pages.Resize(*page, 330, 300);
    CRect noColumns;
    page->Radio(IDC_EDITOR_NO_COLUMNS).GetWindowRect(&noColumns);
    page->ScreenToClient(&noColumns);
    EXPECT_LE(noColumns.right, 330); // not cut by the narrow page
}

// The print component's side of the calls, as a host that loads it would hand it out.
class RecordingPrint final : public IRyxPrint {
public:
    SlotInt Begin(IHostObject* host, SlotInt count, SlotInt kind) override
    {
        calls.push_back(
            "begin " + std::to_string(count) + " " + std::to_string(kind) + (host ? " host" : ""));
        return 1;
    }
    SlotInt SetItem(SlotInt index, const char* text) override
    {
        calls.push_back(std::to_string(index) + "=" + text + "/" + std::to_string(std::strlen(text)));
        return 1;
    }
    SlotInt Print() override
    {
        calls.push_back("print");
        return 1;
    }
    std::vector<std::string> calls;
};

class PrintingHost final : public IHostObject {
public:
    explicit PrintingHost(IHostObject& real)
        : m_real(real)
    {
    }
    void* GetService(SlotInt index) override { return m_real.GetService(index); }
    SlotInt LoadComponent(const ModuleNameRecord* name, void* holder) override
    {
        loaded = *name;
        *static_cast<void**>(holder) = static_cast<IRyxPrint*>(&print);
        return 1;
    }
    SlotInt ReleaseComponent(void* holder) override
    {
        released = *static_cast<void**>(holder) == static_cast<IRyxPrint*>(&print);
        return 1;
    }
    WindowHandle GetFeatureWindow(SlotInt) override { return 0; }
    SlotInt OpenFeatureByName(const char*, SlotInt) override { return 0; }

    RecordingPrint print;
    ModuleNameRecord loaded {};
    bool released = false;

private:
    IHostObject& m_real;
};

TEST(EditorPrint, HandsEveryTripleToTheComponentThenReleasesIt)
{
    PageHost pages;
    ScriptedInteraction script;
    PrintingHost host(pages.Host());
    EditorPage page(&host);
    ASSERT_TRUE(page.Create(pages.Container()));
    page.SetText("1234 56x7890"); // four digits past the second triple
    page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EDITOR_PRINT, BN_CLICKED), 0);
    EXPECT_TRUE(host.loaded == ModuleNameRecord::Make("RyxOther.dll", "IRyxPrint"));
    EXPECT_EQ(host.print.calls,
        (std::vector<std::string> { "begin 3 3 host", "0=123/3", "1=456/3", "2=789/3", "print" }));
    EXPECT_TRUE(host.released);
    EXPECT_TRUE(script.MessageBoxes().empty());
}

} // namespace
} // namespace vesk::test

namespace vesk::test {
namespace {

TEST(EditorPrint, TheRealPrintComponentPrintsEveryNumber)
{
    PageHost pages(true);
    ScriptedInteraction script;
    EditorPage page(&pages.Host());
    ASSERT_TRUE(page.Create(pages.Container()));
    const std::string pdf = pages.Folder() + "numbers.pdf";
    script.QueuePrintToFile(pdf);
    page.SetText("123 456\r\n78 9");
    page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EDITOR_PRINT, BN_CLICKED), 0);
    EXPECT_TRUE(script.MessageBoxes().empty());
    ASSERT_EQ(script.PrintDialogs().size(), 1u);
    const std::string text = pages.Folder() + "numbers.txt";
    ASSERT_EQ(std::system(("pdftotext '" + pdf + "' '" + text + "'").c_str()), 0);
    const std::string printed = ReadFile(text);
    for (const char* number : { "123", "456", "789" })
        EXPECT_NE(printed.find(number), std::string::npos) << number;
}

} // namespace
} // namespace vesk::test
