// The edit control's text as window code sees it: "\r\n" lines, offsets in
// bytes of that text, selection, scrolling and the text limit.
#include "test_windows.h"

#include "framework/edit_text.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace vesk {
namespace {

TEST(EditText, LinesEndInCrLfAndOffsetsCountItsBytes)
{
    const QString plain = QStringLiteral("12\n中3\n");
    EXPECT_EQ(ToEditText(plain), "12\r\n中3\r\n");
    EXPECT_EQ(EditLength(plain), 10);
    EXPECT_EQ(EditOffsetFromPosition(plain, 3), 4);  // after "12\r\n"
    EXPECT_EQ(EditOffsetFromPosition(plain, 4), 7);  // after the 3-byte character
    EXPECT_EQ(PositionFromEditOffset(plain, 4), 3);
    EXPECT_EQ(PositionFromEditOffset(plain, 7), 4);
    EXPECT_EQ(PositionFromEditOffset(plain, 3), 2);  // inside "\r\n": its start
    EXPECT_EQ(PositionFromEditOffset(plain, 5), 3);  // inside a character: its start
    EXPECT_EQ(PositionFromEditOffset(plain, -5), 0);
    EXPECT_EQ(PositionFromEditOffset(plain, 999), plain.size());
    EXPECT_EQ(FromEditText("a\r\nb\rc\nd"), QStringLiteral("a\nb\nc\nd"));
}

TEST(EditText, CharactersOutsideTheBasicPlaneCountFourBytes)
{
    const QString plain = QString::fromUtf8("a\xF0\x9F\x98\x80" "b"); // a, emoji, b
    EXPECT_EQ(EditLength(plain), 6);
    EXPECT_EQ(PositionFromEditOffset(plain, 5), 3);
    EXPECT_EQ(PositionFromEditOffset(plain, 2), 1);
    EXPECT_EQ(EditOffsetFromPosition(plain, 3), 5);
}

struct MultiLine : ::testing::Test {
    CWnd host;
    CEdit edit;
    void SetUp() override { ASSERT_TRUE(test::CreateMultiLineEdit(host, edit, 80)); }
};

TEST_F(MultiLine, TextRoundTripsWithCrLfAndLinesAreIndexedByBytes)
{
    edit.SetWindowText("001\r\n002\r\n003");
    EXPECT_EQ(edit.GetWindowText(), "001\r\n002\r\n003");
    EXPECT_EQ(edit.GetWindowTextLength(), 13);
    EXPECT_EQ(edit.GetLineCount(), 3);
    EXPECT_EQ(edit.LineIndex(2), 10);
    EXPECT_EQ(edit.LineIndex(3), -1);
    EXPECT_EQ(edit.LineFromChar(6), 1);
    EXPECT_EQ(edit.LineLength(6), 3);
    edit.SetSel(5, 8);
    int start = 0;
    int end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 5);
    EXPECT_EQ(end, 8);
    edit.ReplaceSel("999");
    EXPECT_EQ(edit.GetWindowText(), "001\r\n999\r\n003");
    edit.SetSel(0, -1);
    edit.GetSel(start, end);
    EXPECT_EQ(end, 13);
    edit.SetSel(-1, 0);
    edit.GetSel(start, end);
    EXPECT_EQ(start, end);
}

TEST_F(MultiLine, ScrollInformationCountsLinesAndFollowsTheCaret)
{
    std::string text;
    for (int i = 0; i < 60; ++i)
        text += std::to_string(100 + i) + "\r\n";
    edit.SetWindowText(text);
    SCROLLINFO info;
    ASSERT_TRUE(edit.GetScrollInfo(SB_VERT, &info));
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 60); // 61 lines, the last one empty
    EXPECT_GT(info.nPage, 0u);
    EXPECT_LT(info.nPage, 61u);
    EXPECT_EQ(info.nPos, 0);
    edit.SetSel(edit.LineIndex(50), edit.LineIndex(50), TRUE);
    EXPECT_EQ(edit.GetScrollPos(SB_VERT), 0); // no scrolling asked
    edit.SetSel(edit.LineIndex(50), edit.LineIndex(50));
    EXPECT_GT(edit.GetScrollPos(SB_VERT), 0);
    edit.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 3), 0);
    EXPECT_EQ(edit.GetFirstVisibleLine(), 3);
    edit.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(edit.GetScrollPos(SB_VERT), 4);
    // The standard scroll bar is as wide as the system's.
    CRect window;
    CRect client;
    edit.GetWindowRect(&window);
    edit.GetClientRect(&client);
    EXPECT_EQ(static_cast<QPlainTextEdit*>(edit.m_hWnd)->verticalScrollBar()->sizeHint().width(), GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_GE(window.Width() - client.Width(), GetSystemMetrics(SM_CXVSCROLL));
}

TEST_F(MultiLine, TypingStopsAtTheLimitButTheProgramMaySetMore)
{
    int maxText = 0;
    host.HandleCommand(10, EN_MAXTEXT, [&] { ++maxText; });
    edit.SetLimitText(6);
    EXPECT_EQ(edit.GetLimitText(), 6u);
    edit.m_hWnd->setFocus();
    QTest::keyClicks(edit.m_hWnd, "12");
    QTest::keyClick(edit.m_hWnd, Qt::Key_Return); // "\r\n" counts two
    QTest::keyClicks(edit.m_hWnd, "345");
    EXPECT_EQ(edit.GetWindowText(), "12\r\n34");
    EXPECT_GE(maxText, 1);
    edit.SetWindowText("0123456789");
    EXPECT_EQ(edit.GetWindowText(), "0123456789");
}

// Window code measures the border between window and client rectangles and
// paints over it; its width is the system's for each style.
TEST(MultiLineBorder, IsAsWideAsTheStyleAsks)
{
    CWnd host;
    test::CreateHost(host, 300, 300);
    struct Case {
        DWORD style;
        DWORD exStyle;
        int border;
    };
    const Case cases[] = {{0, 0, 0}, {WS_BORDER, 0, 1}, {0, WS_EX_CLIENTEDGE, 2}, {WS_BORDER, WS_EX_CLIENTEDGE, 2}};
    int top = 0;
    for (const Case& c : cases) {
        CEdit edit;
        ASSERT_TRUE(edit.CreateEx(c.exStyle, "Edit", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | c.style,
                                  CRect(0, top, 120, top + 60), &host, 10));
        top += 65;
        CRect window;
        edit.GetWindowRect(&window);
        CRect client;
        edit.GetClientRect(&client);
        edit.ClientToScreen(&client);
        EXPECT_EQ(client.left - window.left, c.border) << c.style << "/" << c.exStyle;
        EXPECT_EQ(client.top - window.top, c.border) << c.style << "/" << c.exStyle;
        EXPECT_EQ(window.bottom - client.bottom, c.border) << c.style << "/" << c.exStyle;
        EXPECT_EQ(window.right - client.right, c.border + 16) << "border and the 16-pixel bar";
    }
}

TEST(SingleLine, LimitAndSelectionCountUtf8Bytes)
{
    CWnd host;
    test::CreateHost(host);
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(0, 0, 120, 20), &host, 1));
    edit.SetWindowText("中文");
    EXPECT_EQ(edit.GetWindowTextLength(), 6);
    edit.SetSel(3, 6);
    int start = 0;
    int end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 3);
    EXPECT_EQ(end, 6);
    edit.SetLimitText(7);
    edit.m_hWnd->setFocus();
    edit.SetSel(6, 6);
    QTest::keyClicks(edit.m_hWnd, "ab");
    EXPECT_EQ(edit.GetWindowText(), "中文a");
}

} // namespace
} // namespace vesk

namespace vesk {
namespace {

// A subclassed multi-line edit still gets Qt's painting and mouse handling,
// which Qt routes through the scroll area's viewport.
TEST_F(MultiLine, SubclassedEditPaintsAndSelectsWithTheMouse)
{
    edit.SetWindowText("8888888888\r\n8888888888");
    const QImage shot = edit.m_hWnd->grab().toImage();
    int dark = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            dark += qGray(shot.pixel(x, y)) < 100;
    EXPECT_GT(dark, 20);
    QWidget* viewport = edit.ClientWidget();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(2, 5));
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, QPoint(viewport->width() - 2, 5));
    int start = 0;
    int end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 10);
}

} // namespace
} // namespace vesk
