// Big multi-line texts: offsets, lengths and the limit stay exact while the
// edit answers them without reading the whole text.
#include "test_windows.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vesk {
namespace {

// Where the edit must put a caret asked for at offset of text: the start of
// a line end or of a character it falls inside, the end when past it.
int Rounded(const std::string& text, int offset)
{
    if (offset >= static_cast<int>(text.size()))
        return static_cast<int>(text.size());
    if (offset > 0 && text[static_cast<size_t>(offset)] == '\n' && text[static_cast<size_t>(offset - 1)] == '\r')
        return offset - 1;
    while (offset > 0 && (static_cast<unsigned char>(text[static_cast<size_t>(offset)]) & 0xC0) == 0x80)
        --offset;
    return offset;
}

int LineOf(const std::string& text, int offset)
{
    int line = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos && static_cast<int>(at) < offset; at = text.find("\r\n", at + 2))
        ++line;
    return line;
}

std::vector<int> LineStarts(const std::string& text)
{
    std::vector<int> starts{0};
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        starts.push_back(static_cast<int>(at + 2));
    return starts;
}

std::string NumberLines(int lines, bool cjkEvery7th)
{
    std::string text;
    for (int i = 0; i < lines; ++i) {
        if (i > 0)
            text += "\r\n";
        for (int n = 0; n < 10; ++n)
            text += std::to_string(100 + (i * 10 + n) % 900) + (n < 9 ? " " : "");
        if (cjkEvery7th && i % 7 == 3)
            text += " 号码\xF0\x9F\x98\x80组";
    }
    return text;
}

struct BigText : ::testing::Test {
    CWnd host;
    CEdit edit;
    void SetUp() override { ASSERT_TRUE(test::CreateMultiLineEdit(host, edit, 120)); }

    // Every offset of interest on the edit's current text, against the
    // answer worked out from the bytes the edit hands out.
    void ExpectOffsetsMatchTheText(const char* what)
    {
        const std::string text = edit.GetWindowText();
        ASSERT_EQ(edit.GetWindowTextLength(), static_cast<int>(text.size())) << what;
        const std::vector<int> starts = LineStarts(text);
        ASSERT_EQ(edit.GetLineCount(), static_cast<int>(starts.size())) << what;
        std::vector<int> probes;
        for (size_t line = 0; line < starts.size(); line += 37) {
            const int start = starts[line];
            const int next = line + 1 < starts.size() ? starts[line + 1] : static_cast<int>(text.size()) + 2;
            // Line start, inside the line, at its end, inside "\r\n".
            probes.insert(probes.end(), {start, start + 5, next - 2, next - 1});
            EXPECT_EQ(edit.LineIndex(static_cast<int>(line)), start) << what << " line " << line;
            EXPECT_EQ(edit.LineLength(start), next - 2 - start) << what << " line " << line;
        }
        // Inside and after each multi-byte character of some lines.
        for (size_t at = text.find("号"); at != std::string::npos && probes.size() < 400; at = text.find("号", at + 1))
            probes.insert(probes.end(), {static_cast<int>(at) + 1, static_cast<int>(at) + 3, static_cast<int>(at) + 8});
        probes.push_back(static_cast<int>(text.size()));
        probes.push_back(static_cast<int>(text.size()) + 10);
        for (const int offset : probes) {
            edit.SetSel(offset, offset, TRUE);
            int start = -1;
            int end = -1;
            edit.GetSel(start, end);
            EXPECT_EQ(start, Rounded(text, offset)) << what << " offset " << offset;
            EXPECT_EQ(end, start) << what << " offset " << offset;
            EXPECT_EQ(edit.LineFromChar(offset), LineOf(text, Rounded(text, offset))) << what << " offset " << offset;
        }
    }
};

TEST_F(BigText, OffsetsCountTheCrLfTextOnManyLinesAndWithCjk)
{
    edit.SetWindowText(NumberLines(2000, false));
    ExpectOffsetsMatchTheText("numbers");
    edit.SetWindowText(NumberLines(2000, true));
    ExpectOffsetsMatchTheText("with CJK and a character beyond the basic plane");

    // After changes the answers are still those of the new text.
    edit.SetSel(40, 40);
    edit.ReplaceSel("\xE4\xB8\xAD\r\n");
    ExpectOffsetsMatchTheText("after an insertion");
    edit.SetSel(10, 300);
    edit.ReplaceSel("");
    ExpectOffsetsMatchTheText("after a removal across lines");
    edit.SetWindowText(NumberLines(300, false));
    edit.SetSel(3, 3);
    edit.ReplaceSel("\xE6\x96\x87");
    edit.SetSel(3, 6);
    edit.ReplaceSel("");
    ExpectOffsetsMatchTheText("back to one byte a character");
}

TEST_F(BigText, LengthFollowsEveryKindOfChange)
{
    const auto expectExact = [this](const char* step) {
        EXPECT_EQ(edit.GetWindowTextLength(), static_cast<int>(edit.GetWindowText().size())) << step;
    };
    edit.SetWindowText(NumberLines(50, false));
    expectExact("set");
    edit.m_hWnd->setFocus();
    edit.SetSel(7, 7);
    for (const QChar c : QStringLiteral("中文")) {
        // Typed as an input method would: a key without a key code.
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit.m_hWnd, &press);
    }
    expectExact("typed CJK");
    QTest::keyClick(edit.m_hWnd, Qt::Key_Backspace);
    expectExact("backspace over CJK");
    QTest::keyClick(edit.m_hWnd, Qt::Key_Return);
    expectExact("typed a line end");
    edit.Undo();
    expectExact("undo");
    edit.SetSel(0, 20);
    edit.Cut();
    expectExact("cut");
    edit.SetSel(5, 5);
    edit.Paste();
    expectExact("paste");
    // A no-break space reads as a space, a line separator as a line end.
    edit.ReplaceSel("a\xC2\xA0" "b\xE2\x80\xA8" "c");
    expectExact("no-break space and line separator");
    edit.AppendText("\r\n\r\n\xE7\xBB\x84 1");
    expectExact("append");
    edit.SetWindowText("");
    expectExact("emptied");
    EXPECT_EQ(edit.GetWindowTextLength(), 0);
}

TEST_F(BigText, PastePastTheLimitKeepsWhatFitsWholeCharactersAndLineEnds)
{
    int maxText = 0;
    host.HandleCommand(10, EN_MAXTEXT, [&] { ++maxText; });
    edit.SetWindowText("12345");
    edit.SetLimitText(12);
    edit.SetSel(5, 5);
    edit.ReplaceSel("\xE4\xB8\xAD\xE6\x96\x87" "ab"); // 8 bytes, 1 too many: "b" goes
    EXPECT_EQ(edit.GetWindowText(), "12345\xE4\xB8\xAD\xE6\x96\x87" "a");
    EXPECT_EQ(maxText, 1);
    edit.SetWindowText("12345");
    edit.SetSel(5, 5);
    edit.ReplaceSel("\xE4\xB8\xAD\xE6\x96\x87\xE5\xAD\x97"); // the third character does not fit whole
    EXPECT_EQ(edit.GetWindowText(), "12345\xE4\xB8\xAD\xE6\x96\x87");
    edit.SetWindowText("1234567890");
    edit.SetSel(10, 10);
    edit.ReplaceSel("1\r\n2"); // room for one byte: no half line end
    EXPECT_EQ(edit.GetWindowText(), "12345678901");
    // Inserted in the middle: the cut is the end of the insertion, the text after it stays.
    edit.SetWindowText("0000");
    edit.SetSel(2, 2);
    std::string pasted(1000, '7');
    edit.ReplaceSel(pasted);
    EXPECT_EQ(edit.GetWindowText(), "00" + std::string(8, '7') + "00");
    EXPECT_EQ(edit.GetWindowTextLength(), 12);
    EXPECT_EQ(maxText, 4);
}

TEST_F(BigText, AppendAddsAtTheEndAndLeavesCaretSelectionAndViewAlone)
{
    int changes = 0;
    host.HandleCommand(10, EN_CHANGE, [&] { ++changes; });
    const std::string text = NumberLines(200, false);
    edit.SetWindowText(text);
    edit.SetLimitText(static_cast<UINT>(text.size())); // the program's append is not cut
    edit.LineScroll(30);
    edit.SetSel(10, 14, TRUE);
    changes = 0;
    const int firstLine = edit.GetFirstVisibleLine();
    ASSERT_GT(firstLine, 0);
    edit.AppendText("\r\n\r\n777 888");
    EXPECT_EQ(edit.GetWindowText(), text + "\r\n\r\n777 888");
    EXPECT_EQ(changes, 1);
    int start = 0;
    int end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 10);
    EXPECT_EQ(end, 14);
    EXPECT_EQ(edit.GetFirstVisibleLine(), firstLine);

    const int length = edit.GetWindowTextLength();
    edit.SetSel(length, length, TRUE);
    edit.AppendText("\r\n999");
    edit.GetSel(start, end);
    EXPECT_EQ(start, length) << "a caret at the old end stays there";
    EXPECT_EQ(end, length);
    EXPECT_EQ(edit.LineFromChar(edit.GetWindowTextLength()), 202);
}

// Window code that draws its own bars follows the text through these.
TEST_F(BigText, EveryScrollingOfTheTextIsTold)
{
    int vertical = 0;
    host.HandleCommand(10, EN_VSCROLL, [&] { ++vertical; });
    edit.SetWindowText(NumberLines(300, false));
    edit.m_hWnd->setFocus();
    QTest::keyClick(edit.m_hWnd, Qt::Key_PageDown);
    EXPECT_GT(edit.GetFirstVisibleLine(), 0);
    EXPECT_GE(vertical, 1) << "keys";
    vertical = 0;
    edit.SetSel(0, 0);
    EXPECT_EQ(edit.GetFirstVisibleLine(), 0);
    EXPECT_GE(vertical, 1) << "the caret scrolled into view";
    vertical = 0;
    edit.SetSel(0, 0);
    EXPECT_EQ(vertical, 0) << "no scrolling, nothing told";
}

TEST_F(BigText, TextCopiedIntoASmallBufferStopsAtItsSize)
{
    edit.SetWindowText("12\r\n34");
    char buffer[8];
    const auto copy = [&](WPARAM size) {
        std::fill(std::begin(buffer), std::end(buffer), 'x');
        const LRESULT n = edit.SendMessage(WM_GETTEXT, size, reinterpret_cast<LPARAM>(buffer));
        EXPECT_EQ(buffer[n], '\0');
        return std::string(buffer, static_cast<size_t>(n));
    };
    EXPECT_EQ(copy(8), "12\r\n34");
    EXPECT_EQ(copy(6), "12\r\n3");
    EXPECT_EQ(copy(4), "12\r");
    EXPECT_EQ(copy(1), "");
    EXPECT_EQ(edit.SendMessage(WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 0);
}

} // namespace
} // namespace vesk
