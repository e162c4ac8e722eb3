#include "framework/scripted_interaction.h"
#include "skin/base_scroll_edit.h"
#include "storage/safe_file.h"
#include "tests/skin/skin_test_support.h"

#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cerrno>

namespace {

using namespace vesk;
using namespace skintest;

constexpr int kText = 3001;

std::string Lines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        char line[16];
        std::snprintf(line, sizeof line, "%03d\r\n", i % 1000);
        text += line;
    }
    return text;
}

class SkinScrollEdit : public ::testing::Test {
protected:
    void SetUp() override
    {
        const DialogTemplate dialog = Popup(
            300, 220, {Control(kText, "Edit", "", 5, 5, 120, 100, ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | WS_BORDER)});
        ASSERT_TRUE(host.CreateWith(dialog));
        ASSERT_TRUE(edit.SubclassDlgItem(kText, &host));
        // No resize afterwards: the bars must be laid out by their creation.
        edit.CreateScrollBars();
        Settle();
    }

    GeneratedSkins skins;
    RecordingDialog host;
    CBaseScrollEdit edit;
};

TEST_F(SkinScrollEdit, VerticalBarCoversTheEditsOwnBar)
{
    ASSERT_TRUE(edit.IsVerticalShown());
    CRect window;
    edit.GetWindowRect(&window);
    CRect bar;
    edit.VerticalBar().GetWindowRect(&bar);
    const skin::BorderWidths& b = edit.Borders();
    EXPECT_EQ(bar.Width(), 16);
    EXPECT_EQ(bar.right, window.right - b.left);
    EXPECT_EQ(bar.top, window.top + b.top);
    CRect client;
    edit.GetClientRect(&client);
    EXPECT_EQ(bar.Height(), client.Height());
    EXPECT_EQ(edit.VerticalBar().GetParent(), edit.GetParent()) << "the bars are siblings of the edit";

    CRgn region;
    region.CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(edit.GetWindowRgn(region), RGN_ERROR);
    EXPECT_FALSE(region.PtInRegion(window.Width() - b.left - 8, b.top + 10)) << "the edit's own bar is cut away";
    EXPECT_TRUE(region.PtInRegion(20, 20));
    EXPECT_FALSE(edit.IsHorizontalShown());
}

TEST_F(SkinScrollEdit, FrameRingsTheWholeWindowAroundTheText)
{
    ASSERT_EQ(edit.Borders().left, 1);
    const QImage shown = Grab(edit.m_hWnd);
    const QColor frame = Rgb(RGB(127, 157, 185));
    const int w = shown.width();
    const int h = shown.height();
    for (int y : {0, h / 2, h - 1}) {
        EXPECT_EQ(PixelOf(shown, 0, y), frame) << y;
        EXPECT_EQ(PixelOf(shown, w - 1, y), frame) << y;
    }
    for (int x : {0, w / 3, w - 1}) {
        EXPECT_EQ(PixelOf(shown, x, 0), frame) << x;
        EXPECT_EQ(PixelOf(shown, x, h - 1), frame) << x;
    }
    EXPECT_NE(PixelOf(shown, 1, h / 2), frame) << "the text area starts inside the ring";
}

TEST_F(SkinScrollEdit, BarIsDisabledUntilTheTextNoLongerFits)
{
    edit.SetText(Lines(2));
    Settle();
    EXPECT_FALSE(edit.VerticalBar().IsWindowEnabled());
    edit.SetText(Lines(200));
    Settle();
    ASSERT_TRUE(edit.VerticalBar().IsWindowEnabled());
    SCROLLINFO mine;
    SCROLLINFO bars;
    edit.GetScrollInfo(SB_VERT, &mine, SIF_ALL);
    edit.VerticalBar().GetScrollInfo(&bars, SIF_ALL);
    EXPECT_EQ(bars.nMin, mine.nMin);
    EXPECT_EQ(bars.nMax, mine.nMax);
    EXPECT_EQ(bars.nPage, mine.nPage);
}

TEST_F(SkinScrollEdit, ScrollingFromTheBarMovesTheTextAndTheBarFollows)
{
    edit.SetText(Lines(200));
    Settle();
    edit.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    edit.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(edit.GetFirstVisibleLine(), 2);
    EXPECT_EQ(edit.VerticalBar().GetScrollPos(), 2);
}

// Scrolling the edit does by itself (keys, caret moves) moves the skinned bar too.
TEST_F(SkinScrollEdit, KeyboardScrollingMovesTheBarWithTheText)
{
    edit.SetText(Lines(300));
    Settle();
    edit.m_hWnd->activateWindow();
    edit.m_hWnd->setFocus();
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* name;
    };
    const Step steps[] = {{Qt::Key_PageDown, Qt::NoModifier, "PageDown"}, {Qt::Key_PageDown, Qt::NoModifier, "PageDown"},
                          {Qt::Key_End, Qt::ControlModifier, "Ctrl+End"},  {Qt::Key_Up, Qt::NoModifier, "Up"},
                          {Qt::Key_PageUp, Qt::NoModifier, "PageUp"},      {Qt::Key_Home, Qt::ControlModifier, "Ctrl+Home"}};
    int lastPos = 0;
    for (const Step& step : steps) {
        QTest::keyClick(edit.m_hWnd, step.key, step.modifiers);
        Settle();
        EXPECT_NE(edit.GetScrollPos(SB_VERT), lastPos) << step.name << " scrolls the text";
        lastPos = edit.GetScrollPos(SB_VERT);
        EXPECT_EQ(edit.VerticalBar().GetScrollPos(), lastPos) << step.name;
        if (step.key == Qt::Key_End) {
            EXPECT_GT(lastPos, 250);
            CRect bar;
            edit.VerticalBar().GetClientRect(&bar);
            EXPECT_EQ(edit.VerticalBar().Geometry().thumb.bottom, bar.Height() - 16) << "the thumb ends at the second arrow";
        }
        // Arrow keys move the caret one line: scroll from the top of the view.
        if (step.key == Qt::Key_End)
            for (int i = 0; i < 40; ++i)
                QTest::keyClick(edit.m_hWnd, Qt::Key_Up);
    }
}

TEST(SkinScrollEditWide, HorizontalBarFollowsTheCaretAlongALongLine)
{
    GeneratedSkins skins;
    RecordingDialog host;
    CBaseScrollEdit edit;
    const DialogTemplate dialog = Popup(300, 220, {Control(kText, "Edit", "", 5, 5, 120, 100,
                                                           ES_MULTILINE | ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL | WS_BORDER)});
    ASSERT_TRUE(host.CreateWith(dialog));
    ASSERT_TRUE(edit.SubclassDlgItem(kText, &host));
    edit.CreateScrollBars();
    edit.SetText(std::string(400, '7') + "\r\n" + Lines(3));
    Settle();
    ASSERT_TRUE(edit.IsHorizontalShown());
    edit.m_hWnd->setFocus();
    edit.SetSel(0, 0);
    QTest::keyClick(edit.m_hWnd, Qt::Key_End);
    Settle();
    EXPECT_GT(edit.GetScrollPos(SB_HORZ), 0) << "End scrolls along the line";
    EXPECT_EQ(edit.HorizontalBar().GetScrollPos(), edit.GetScrollPos(SB_HORZ));
    EXPECT_EQ(edit.VerticalBar().GetScrollPos(), 0) << "each bar follows its own direction";
    QTest::keyClick(edit.m_hWnd, Qt::Key_Home);
    Settle();
    EXPECT_EQ(edit.HorizontalBar().GetScrollPos(), 0);
}

TEST_F(SkinScrollEdit, DraggingTheThumbScrollsLineByLine)
{
    edit.SetText(Lines(200));
    Settle();
    QWidget* bar = edit.VerticalBar().m_hWnd;
    const Rect thumb = edit.VerticalBar().Geometry().thumb;
    const QPoint grab(8, thumb.top + 2);
    std::vector<int> firstLines;
    QTimer::singleShot(0, [&] {
        for (int dy = 3; dy <= 30; dy += 3) {
            QMouseEvent move(QEvent::MouseMove, QPointF(grab + QPoint(0, dy)),
                             QPointF(bar->mapToGlobal(grab + QPoint(0, dy))), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QApplication::sendEvent(bar, &move);
            firstLines.push_back(edit.GetFirstVisibleLine());
            // The thumb stays under the mouse while the text scrolls after it.
            EXPECT_EQ(edit.VerticalBar().Geometry().thumb.top, thumb.top + dy) << dy;
        }
        QTest::mouseRelease(bar, Qt::LeftButton, {}, grab + QPoint(0, 30));
    });
    QTest::mousePress(bar, Qt::LeftButton, {}, grab);
    Settle();
    ASSERT_FALSE(firstLines.empty());
    EXPECT_GT(firstLines.back(), 0);
    EXPECT_TRUE(std::is_sorted(firstLines.begin(), firstLines.end()));
    EXPECT_EQ(edit.VerticalBar().GetScrollPos(), edit.GetFirstVisibleLine());
}

// Drags bar's thumb by delta pixels along the bar and releases it there;
// answers the edit's scroll position just before the release.
int DragThumbAndRelease(CBaseScrollEdit& edit, CBaseScrollBar& scroll, int which, int delta)
{
    QWidget* bar = scroll.m_hWnd;
    const Rect thumb = scroll.Geometry().thumb;
    const bool vertical = which == SB_VERT;
    const QPoint grab = vertical ? QPoint(8, thumb.top + 2) : QPoint(thumb.left + 2, 8);
    const QPoint drop = grab + (vertical ? QPoint(0, delta) : QPoint(delta, 0));
    int beforeRelease = -1;
    QTimer::singleShot(0, [&] {
        for (int step = 1; step <= 4; ++step) {
            const QPoint at = grab + (drop - grab) * step / 4;
            QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(bar->mapToGlobal(at)), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(bar, &move);
        }
        beforeRelease = edit.GetScrollPos(which);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, drop);
    });
    QTest::mousePress(bar, Qt::LeftButton, {}, grab);
    Settle();
    return beforeRelease;
}

// Positions past 32,767 do not fit the scroll message: the view must not
// jump when the thumb is let go, in either direction.
TEST_F(SkinScrollEdit, ThumbDroppedDeepInAHugeTextStaysThere)
{
    edit.SetText(Lines(100000));
    Settle();
    CRect bar;
    edit.VerticalBar().GetClientRect(&bar);
    for (const int fraction : {2, 3}) { // a half and two thirds of the track down
        const int delta = (bar.Height() - 40) * (fraction - 1) / fraction - (edit.VerticalBar().Geometry().thumb.top - 16);
        const int dropped = DragThumbAndRelease(edit, edit.VerticalBar(), SB_VERT, delta);
        ASSERT_GT(dropped, 32767) << fraction;
        EXPECT_EQ(edit.GetScrollPos(SB_VERT), dropped) << "the text jumped on release";
        EXPECT_EQ(edit.GetFirstVisibleLine(), dropped);
        EXPECT_EQ(edit.VerticalBar().GetScrollPos(), dropped) << "the thumb stays where it was dropped";
    }
}

TEST(SkinScrollEditWide, ThumbDroppedFarAlongAVeryWideLineStaysThere)
{
    GeneratedSkins skins;
    RecordingDialog host;
    CBaseScrollEdit edit;
    const DialogTemplate dialog = Popup(300, 220, {Control(kText, "Edit", "", 5, 5, 120, 100,
                                                           ES_MULTILINE | ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL | WS_BORDER)});
    ASSERT_TRUE(host.CreateWith(dialog));
    ASSERT_TRUE(edit.SubclassDlgItem(kText, &host));
    edit.CreateScrollBars();
    edit.SetText(std::string(12000, '7') + "\r\n" + Lines(3));
    Settle();
    ASSERT_TRUE(edit.IsHorizontalShown());
    ASSERT_GT(edit.HorizontalBar().Geometry().effectiveMax, 40000) << "the line is not wide enough to test";
    CRect bar;
    edit.HorizontalBar().GetClientRect(&bar);
    const int delta = (bar.Width() - 32) * 3 / 4 - (edit.HorizontalBar().Geometry().thumb.left - 16);
    const int dropped = DragThumbAndRelease(edit, edit.HorizontalBar(), SB_HORZ, delta);
    ASSERT_GT(dropped, 32767);
    EXPECT_EQ(edit.GetScrollPos(SB_HORZ), dropped) << "the text jumped on release";
    EXPECT_EQ(edit.HorizontalBar().GetScrollPos(), dropped);
    EXPECT_EQ(edit.GetScrollPos(SB_VERT), 0);
}

TEST_F(SkinScrollEdit, SelectAllScrollsToTheCaretAndSyncsTheBar)
{
    edit.SetText(Lines(200));
    edit.SetSel(0, -1, FALSE);
    Settle();
    int start = -1;
    int end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, static_cast<int>(Lines(200).size()));
    EXPECT_EQ(edit.VerticalBar().GetScrollPos(), edit.GetScrollPos(SB_VERT));
}

TEST_F(SkinScrollEdit, SaveWritesTheWholeTextOrNothing)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("号码.txt")).toStdString();
    edit.SetText(Lines(3));
    ScriptedInteraction answers;
    answers.QueueFileCancel();
    EXPECT_FALSE(edit.SaveTextAs("暂存区文本"));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
    answers.QueueFileSelection({path});
    EXPECT_TRUE(edit.SaveTextAs("暂存区文本"));
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), Lines(3));
    ASSERT_EQ(answers.FileDialogs().size(), 2u);
    EXPECT_EQ(answers.FileDialogs()[1].fileName, "暂存区文本");
    EXPECT_TRUE(answers.FileDialogs()[1].flags & OFN_OVERWRITEPROMPT);
}

TEST_F(SkinScrollEdit, AFailedSaveSaysWhyKeepsTheOldFileAndOffersTheDialogAgain)
{
    QTemporaryDir dir;
    const std::string missing = dir.filePath(QStringLiteral("missing/dir/x.txt")).toStdString();
    const std::string kept = dir.filePath(QStringLiteral("kept.txt")).toStdString();
    {
        QFile old(QString::fromStdString(kept));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    edit.SetText(Lines(3));
    ScriptedInteraction answers;
    // A folder that does not exist, then a full disk, then the user gives up.
    answers.QueueFileSelection({missing});
    answers.QueueMessageBoxAnswer(IDOK);
    answers.QueueFileSelection({kept});
    answers.QueueMessageBoxAnswer(IDOK);
    answers.QueueFileCancel();
    {
        InjectedFileFailure full(FileStep::Write, ENOSPC);
        // The first failure is the missing folder; the disk only matters for the second.
        EXPECT_FALSE(edit.SaveTextAs("x"));
    }
    ASSERT_EQ(answers.MessageBoxes().size(), 2u);
    EXPECT_EQ(answers.MessageBoxes()[0].text, "保存失败：" + missing + "（文件夹不存在），原文件未改动");
    EXPECT_EQ(answers.MessageBoxes()[1].text, "保存失败：" + kept + "（磁盘空间不足），原文件未改动");
    EXPECT_EQ(answers.MessageBoxes()[1].caption, "提示信息");
    ASSERT_EQ(answers.FileDialogs().size(), 3u);
    EXPECT_EQ(answers.FileDialogs()[2].fileName, kept); // offered again where it failed
    QFile old(QString::fromStdString(kept));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll().toStdString(), "old");
}

} // namespace
