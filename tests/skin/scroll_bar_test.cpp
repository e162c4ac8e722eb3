#include "skin/base_scroll_bar.h"
#include "tests/skin/skin_test_support.h"

#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using namespace vesk;
using namespace skintest;

class SkinScrollBar : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseGeneratedSkins();
        const DialogTemplate dialog = Popup(200, 200);
        ASSERT_TRUE(host.CreateWith(dialog));
        ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | 0x1, RECT{20, 10, 36, 226}, &host, 100, &host));
        SCROLLINFO info;
        info.fMask = SIF_ALL;
        info.nMin = 0;
        info.nMax = 99;
        info.nPage = 10;
        info.nPos = 0;
        bar.SetScrollInfo(&info, TRUE);
        Settle();
    }

    QWidget* widget() { return bar.m_hWnd; }

    std::vector<UINT> Codes() const
    {
        std::vector<UINT> codes;
        for (const Report& r : host.reports)
            if (r.message == WM_VSCROLL)
                codes.push_back(r.code);
        return codes;
    }

    void Move(QPoint local, Qt::MouseButtons buttons)
    {
        const QPoint global = widget()->mapToGlobal(local);
        QMouseEvent move(QEvent::MouseMove, QPointF(local), QPointF(global), Qt::NoButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(widget(), &move);
    }

    RecordingDialog host;
    CBaseScrollBar bar;
};

TEST_F(SkinScrollBar, ArrowPressReportsALineThenEndScroll)
{
    QTest::mousePress(widget(), Qt::LeftButton, {}, QPoint(8, 5));
    EXPECT_TRUE(bar.IsPressed());
    QTest::mouseRelease(widget(), Qt::LeftButton, {}, QPoint(8, 5));
    QTest::mousePress(widget(), Qt::LeftButton, {}, QPoint(8, 210));
    QTest::mouseRelease(widget(), Qt::LeftButton, {}, QPoint(8, 210));
    EXPECT_EQ(Codes(), (std::vector<UINT>{SB_LINEUP, SB_ENDSCROLL, SB_LINEDOWN, SB_ENDSCROLL}));
    EXPECT_FALSE(bar.IsPressed());
}

TEST_F(SkinScrollBar, TrackPressPagesTowardsThePress)
{
    bar.SetScrollPos(40);
    const Rect thumb = bar.Geometry().thumb;
    QTest::mousePress(widget(), Qt::LeftButton, {}, QPoint(8, thumb.top - 10));
    QTest::mouseRelease(widget(), Qt::LeftButton, {}, QPoint(8, thumb.top - 10));
    QTest::mousePress(widget(), Qt::LeftButton, {}, QPoint(8, thumb.bottom + 10));
    QTest::mouseRelease(widget(), Qt::LeftButton, {}, QPoint(8, thumb.bottom + 10));
    EXPECT_EQ(Codes(), (std::vector<UINT>{SB_PAGEUP, SB_ENDSCROLL, SB_PAGEDOWN, SB_ENDSCROLL}));
}

TEST_F(SkinScrollBar, ThumbDragTracksThenSetsThePosition)
{
    const Rect thumb = bar.Geometry().thumb;
    const QPoint grab(8, thumb.top + 5);
    // The press runs the drag loop; the moves and the release arrive inside it.
    QTimer::singleShot(0, [&] {
        Move(grab + QPoint(0, 47), Qt::LeftButton); // 47 px: 25 units of 1.84 px and a bit
        Move(grab + QPoint(0, 93), Qt::LeftButton);
        QTest::mouseRelease(widget(), Qt::LeftButton, {}, grab + QPoint(0, 93));
    });
    QTest::mousePress(widget(), Qt::LeftButton, {}, grab);
    Settle();
    std::vector<Report> scroll;
    for (const Report& r : host.reports)
        if (r.message == WM_VSCROLL)
            scroll.push_back(r);
    ASSERT_EQ(scroll.size(), 5u);
    EXPECT_EQ(scroll[0].code, SB_THUMBTRACK);
    EXPECT_EQ(scroll[0].value, 0);
    EXPECT_EQ(scroll[1].code, SB_THUMBTRACK);
    EXPECT_EQ(scroll[1].value, 25);
    EXPECT_EQ(scroll[2].code, SB_THUMBTRACK);
    EXPECT_EQ(scroll[2].value, 50);
    EXPECT_EQ(scroll[3].code, SB_THUMBPOSITION);
    EXPECT_EQ(scroll[3].value, 50);
    EXPECT_EQ(scroll[4].code, SB_ENDSCROLL);
    SCROLLINFO info;
    bar.GetScrollInfo(&info, SIF_TRACKPOS | SIF_POS);
    EXPECT_EQ(info.nTrackPos, 50);
    EXPECT_EQ(info.nPos, 0) << "the owner, not the bar, moves the position";
}

TEST_F(SkinScrollBar, DragFarOutsideSnapsBackToTheStart)
{
    bar.SetScrollPos(20);
    const Rect start = bar.Geometry().thumb;
    const QPoint grab(8, start.top + 4);
    Rect during{};
    QTimer::singleShot(0, [&] {
        Move(grab + QPoint(0, 40), Qt::LeftButton);
        Move(grab + QPoint(16 + 131, 40), Qt::LeftButton); // beyond 130 px across
        during = bar.Geometry().thumb;
        QTest::mouseRelease(widget(), Qt::LeftButton, {}, grab + QPoint(200, 40));
    });
    QTest::mousePress(widget(), Qt::LeftButton, {}, grab);
    Settle();
    EXPECT_EQ(during.top, start.top);
    EXPECT_EQ(during.bottom, start.bottom);
    std::vector<int> tracked;
    for (const Report& r : host.reports)
        if (r.code == SB_THUMBTRACK)
            tracked.push_back(r.value);
    ASSERT_EQ(tracked.size(), 3u);
    EXPECT_NE(tracked[1], 20);
    EXPECT_EQ(tracked[2], 20) << "the snapped-back thumb reports the starting position";
}

TEST_F(SkinScrollBar, HeldArrowRepeatsAfterTheDelayWhileOnTheArrow)
{
    QTest::mousePress(widget(), Qt::LeftButton, {}, QPoint(8, 5));
    ASSERT_EQ(Codes().size(), 1u);
    Move(QPoint(8, 100), Qt::LeftButton);
    EXPECT_FALSE(bar.IsPressed()) << "the pressed look leaves with the mouse";
    Move(QPoint(8, 6), Qt::LeftButton);
    EXPECT_TRUE(bar.IsPressed());
    bar.SendMessage(WM_TIMER, CBaseScrollBar::kDelayTimer);
    EXPECT_EQ(Codes().size(), 1u) << "the 300 ms delay only starts the 50 ms repeat";
    SetCursorPos(widget()->mapToGlobal(QPoint(8, 5)).x(), widget()->mapToGlobal(QPoint(8, 5)).y());
    bar.SendMessage(WM_TIMER, CBaseScrollBar::kRepeatTimer);
    bar.SendMessage(WM_TIMER, CBaseScrollBar::kRepeatTimer);
    EXPECT_EQ(Codes(), (std::vector<UINT>{SB_LINEUP, SB_LINEUP, SB_LINEUP}));
    SetCursorPos(widget()->mapToGlobal(QPoint(8, 100)).x(), widget()->mapToGlobal(QPoint(8, 100)).y());
    bar.SendMessage(WM_TIMER, CBaseScrollBar::kRepeatTimer);
    EXPECT_EQ(Codes().size(), 3u) << "off the arrow the repeat pauses";
    QTest::mouseRelease(widget(), Qt::LeftButton, {}, QPoint(8, 100));
    EXPECT_EQ(Codes().back(), SB_ENDSCROLL);
}

TEST_F(SkinScrollBar, RealTimersRepeatAHeldArrow)
{
    SetCursorPos(widget()->mapToGlobal(QPoint(8, 210)).x(), widget()->mapToGlobal(QPoint(8, 210)).y());
    QTest::mousePress(widget(), Qt::LeftButton, {}, QPoint(8, 210));
    QTest::qWait(600);
    QTest::mouseRelease(widget(), Qt::LeftButton, {}, QPoint(8, 210));
    const auto codes = Codes();
    EXPECT_GE(std::count(codes.begin(), codes.end(), SB_LINEDOWN), 2);
}

TEST_F(SkinScrollBar, TrackRepeatStopsOnceTheThumbPassesTheCursor)
{
    bar.SetScrollPos(80);
    QTest::mousePress(widget(), Qt::LeftButton, {}, QPoint(8, 60));
    const QPoint cursor = widget()->mapToGlobal(QPoint(8, 60));
    SetCursorPos(cursor.x(), cursor.y());
    bar.SendMessage(WM_TIMER, CBaseScrollBar::kRepeatTimer);
    bar.SetScrollPos(20); // the owner paged up past the cursor
    bar.SendMessage(WM_TIMER, CBaseScrollBar::kRepeatTimer);
    QTest::mouseRelease(widget(), Qt::LeftButton, {}, QPoint(8, 60));
    EXPECT_EQ(Codes(), (std::vector<UINT>{SB_PAGEUP, SB_PAGEUP, SB_ENDSCROLL}));
}

TEST_F(SkinScrollBar, ShortBarHasNoThumbButWorkingArrows)
{
    bar.MoveWindow(20, 10, 16, 40);
    Settle();
    EXPECT_TRUE(skin::isEmpty(bar.Geometry().thumb));
    QTest::mousePress(widget(), Qt::LeftButton, {}, QPoint(8, 35));
    QTest::mouseRelease(widget(), Qt::LeftButton, {}, QPoint(8, 35));
    EXPECT_EQ(Codes(), (std::vector<UINT>{SB_LINEDOWN, SB_ENDSCROLL}));
}

TEST_F(SkinScrollBar, PositionRules)
{
    EXPECT_EQ(bar.SetScrollPos(90), 0);
    EXPECT_EQ(bar.Geometry().thumb.bottom, 216 - 16) << "at the effective max the thumb meets the arrow";
    EXPECT_EQ(bar.SetScrollPos(500), 90);
    EXPECT_EQ(bar.GetScrollPos(), 90) << "clamped to max - page + 1";
    const Rect before = bar.Geometry().thumb;
    EXPECT_EQ(bar.SetScrollPos(90), 90);
    EXPECT_EQ(bar.Geometry().thumb.top, before.top);
}

TEST_F(SkinScrollBar, PaintsArrowCellsAndThumbFromTheSkins)
{
    const QImage up = SkinImage("ScVtUp.bmp");
    const QImage strip = SkinImage("ScVtBar.bmp");
    QImage shown = Grab(widget());
    EXPECT_EQ(PixelOf(shown, 8, 8), up.pixelColor(8, 8));
    const Rect thumb = bar.Geometry().thumb;
    EXPECT_EQ(PixelOf(shown, 8, thumb.top + 8), strip.pixelColor(8, 3)) << "normal thumb body";

    QTest::mouseMove(widget(), QPoint(8, 8));
    shown = Grab(widget());
    EXPECT_EQ(PixelOf(shown, 8, 8), up.pixelColor(8, 16 + 8)) << "hot arrow cell";
    bar.EnableWindow(FALSE);
    shown = Grab(widget());
    EXPECT_EQ(PixelOf(shown, 8, 8), up.pixelColor(8, 48 + 8)) << "disabled arrow cell";
}

} // namespace
