#include "skin/geometry/scroll_geometry.h"
#include "skin/geometry/scroll_paint_layout.h"
#include "skin/geometry/scroll_range.h"

#include <gtest/gtest.h>

namespace vesk::skin {
namespace {

ScrollRange range(int min, int max, unsigned page, int pos) { return ScrollRange{min, max, page, pos}; }

ScrollGeometry vertical(const ScrollRange& r, int length) { return layoutScrollBar(r, true, 16, length); }

TEST(ScrollRange, PositionIsClampedToTheEffectiveRange)
{
    const ScrollRange r = range(5, 104, 10, 0);
    EXPECT_EQ(effectiveMax(r), 95);
    EXPECT_EQ(clampScrollPos(r, -3), 5);
    EXPECT_EQ(clampScrollPos(r, 200), 95);
    EXPECT_EQ(effectiveMax(range(0, 9, 0, 0)), 9) << "no page counts as a page of one";
}

TEST(ScrollRange, InfoUpdatesRangeThenPageThenPosition)
{
    ScrollRange r;
    ScrollInfoUpdate update;
    update.setRange = update.setPage = update.setPos = true;
    update.min = 10;
    update.max = 4; // below min: the range collapses to one unit
    update.page = 50;
    update.pos = 99;
    EXPECT_TRUE(applyScrollInfo(r, update));
    EXPECT_EQ(r.max, 10);
    EXPECT_EQ(r.page, 1u) << "page is limited to the number of units";
    EXPECT_EQ(r.pos, 10);

    ScrollInfoUpdate posOnly;
    posOnly.setPos = true;
    posOnly.pos = 3;
    EXPECT_FALSE(applyScrollInfo(r, posOnly)) << "a position alone needs no new geometry";
}

TEST(ScrollThumb, NoThumbOnABarOf40PixelsOrLess)
{
    EXPECT_TRUE(isEmpty(vertical(range(0, 99, 10, 0), 40).thumb));
    EXPECT_TRUE(isEmpty(vertical(range(0, 99, 0, 50), 33).thumb));
    EXPECT_FALSE(isEmpty(vertical(range(0, 99, 10, 0), 41).thumb));
    const ScrollGeometry g = vertical(range(0, 99, 10, 0), 40);
    EXPECT_EQ(hitTestScrollBar(g, {5, 2}), ScrollPart::FirstArrow);
    EXPECT_EQ(hitTestScrollBar(g, {5, 30}), ScrollPart::SecondArrow);
}

TEST(ScrollThumb, PlacedByScaleWithAPage)
{
    ScrollRange r = range(0, 99, 10, 0);
    ScrollGeometry g = vertical(r, 216); // scale 1.84, thumb 18
    EXPECT_DOUBLE_EQ(g.scale, 1.84);
    EXPECT_EQ(g.thumb.top, 16);
    EXPECT_EQ(height(g.thumb), 18);
    EXPECT_EQ(width(g.thumb), 16);
    r.pos = 45;
    EXPECT_EQ(placeThumb(r, g).top, 16 + 83);
}

TEST(ScrollThumb, TinyPageKeepsAnEightPixelThumbInsideTheTrack)
{
    const ScrollRange r = range(0, 999, 1, 500);
    const ScrollGeometry g = vertical(r, 216);
    EXPECT_DOUBLE_EQ(g.scale, 0.176);
    EXPECT_EQ(height(g.thumb), 8);
    EXPECT_EQ(g.thumb.top, 16 + 88);
}

TEST(ScrollThumb, WithoutAPageAShortThumbSitsInTheMiddleOfItsUnit)
{
    const ScrollRange r = range(0, 9, 0, 3);
    const ScrollGeometry g = vertical(r, 216); // scale 18.4 kept, thumb 16
    EXPECT_EQ(height(g.thumb), 16);
    EXPECT_EQ(g.thumb.top, 16 + 55 + 1);
}

TEST(ScrollThumb, VerticalAndHorizontalMeasureTheScaleDifferently)
{
    // (188 - 32) / 10 = 15.6: truncated below 16, rounded not.
    const ScrollRange r = range(0, 9, 0, 0);
    EXPECT_DOUBLE_EQ(layoutScrollBar(r, true, 16, 188).scale, 14.0);
    EXPECT_DOUBLE_EQ(layoutScrollBar(r, false, 188, 16).scale, 15.6);
}

TEST(ScrollThumb, AtTheEffectiveMaximumItEndsWhereTheSecondArrowBegins)
{
    for (bool isVertical : {true, false}) {
        for (int length : {41, 60, 117, 216, 500}) {
            for (const ScrollRange& base :
                 {range(0, 99, 10, 0), range(0, 999, 1, 0), range(3, 12, 0, 0), range(-50, 50, 7, 0)}) {
                ScrollRange r = base;
                r.pos = effectiveMax(r);
                const ScrollGeometry g = isVertical ? layoutScrollBar(r, true, 16, length)
                                                    : layoutScrollBar(r, false, length, 16);
                EXPECT_EQ(alongEnd(g, g.thumb), length - 16)
                    << "length " << length << " range " << r.min << ".." << r.max;
            }
        }
    }
}

TEST(ScrollThumb, PositionFromThumbRoundTripsEveryPositionWhenUnitsSpanPixels)
{
    for (const ScrollRange& base : {range(0, 99, 10, 0), range(0, 49, 1, 0), range(0, 300, 40, 0),
                                    range(-20, 20, 5, 0)}) {
        for (int length : {100, 216, 480}) {
            ScrollRange r = base;
            const ScrollGeometry g = vertical(r, length);
            if (g.scale < 2.0)
                continue; // units of a pixel or so: neighbours share pixels
            for (r.pos = r.min; r.pos <= effectiveMax(r); ++r.pos)
                ASSERT_EQ(positionFromThumb(r, g, placeThumb(r, g)), r.pos)
                    << "length " << length << " range " << r.min << ".." << r.max << " page " << r.page;
        }
    }
}

TEST(ScrollThumb, WithoutAPageTheThumbCentreRoundsToTheNearestUnit)
{
    // The centre of a 16-pixel thumb lies about half a unit into its cell,
    // so the way back may land one unit further, never more.
    for (const ScrollRange& base : {range(0, 9, 0, 0), range(-20, 20, 0, 0), range(0, 3, 0, 0)}) {
        for (int length : {216, 480, 900}) {
            ScrollRange r = base;
            const ScrollGeometry g = vertical(r, length);
            for (r.pos = r.min; r.pos <= effectiveMax(r); ++r.pos) {
                const int back = positionFromThumb(r, g, placeThumb(r, g));
                ASSERT_GE(back, r.pos);
                ASSERT_LE(back, r.pos + 1);
            }
        }
    }
}

TEST(ScrollThumb, ThumbAgainstTheSecondArrowIsTheLastPositionForAnyOrigin)
{
    for (const ScrollRange& r : {range(-20, 20, 5, 0), range(100, 140, 0, 100), range(0, 99, 10, 0)}) {
        const ScrollGeometry g = vertical(r, 216);
        const Rect atEnd = draggedThumb(g, g.thumb, 1000);
        EXPECT_EQ(positionFromThumb(r, g, atEnd), effectiveMax(r)) << r.min << ".." << r.max;
    }
}

TEST(ScrollThumb, PositionFromThumbStaysInRangeOnABarTooShortForItsScale)
{
    const ScrollRange r = range(0, 99, 0, 50); // 45 pixels: scale (45 - 48) / 100 < 0
    const ScrollGeometry g = vertical(r, 45);
    EXPECT_EQ(positionFromThumb(r, g, Rect{0, 20, 16, 36}), 0);
}

TEST(ScrollDrag, ThumbIsKeptInsideTheTrack)
{
    const ScrollGeometry g = vertical(range(0, 99, 10, 0), 216);
    EXPECT_EQ(draggedThumb(g, g.thumb, -50).top, 16);
    const Rect far = draggedThumb(g, g.thumb, 1000);
    EXPECT_EQ(far.bottom, 200);
    EXPECT_EQ(height(far), 18);
    EXPECT_EQ(draggedThumb(g, g.thumb, 30).top, 46);
}

TEST(ScrollDrag, DragBoxIs130AcrossAnd800Along)
{
    const Rect client{100, 100, 116, 316};
    EXPECT_TRUE(insideDragBox(client, {100 - 130, 100 - 800}, true));
    EXPECT_FALSE(insideDragBox(client, {100 - 131, 200}, true));
    EXPECT_FALSE(insideDragBox(client, {110, 316 + 800}, true));
    EXPECT_TRUE(insideDragBox(Rect{100, 100, 316, 116}, {316 + 799, 116 + 129}, false));
}

TEST(ScrollRepeat, LinesOnlyOnThePressedArrow)
{
    const ScrollGeometry g = vertical(range(0, 99, 10, 40), 216);
    EXPECT_EQ(repeatAction(g, {5, 5}, g.firstArrow, false), ScrollRepeat::LineUp);
    EXPECT_EQ(repeatAction(g, {5, 210}, g.secondArrow, false), ScrollRepeat::LineDown);
    EXPECT_EQ(repeatAction(g, {5, 210}, g.firstArrow, false), ScrollRepeat::None);
    EXPECT_EQ(repeatAction(g, {5, 100}, g.firstArrow, false), ScrollRepeat::None);
}

TEST(ScrollRepeat, PagesUntilTheThumbHasPassedTheCursor)
{
    const ScrollGeometry g = vertical(range(0, 99, 10, 40), 216); // thumb 90..108
    ASSERT_EQ(g.thumb.top, 90);
    EXPECT_EQ(repeatAction(g, {5, 50}, Rect{}, true), ScrollRepeat::PageUp);
    EXPECT_EQ(repeatAction(g, {5, 95}, Rect{}, true), ScrollRepeat::None);
    EXPECT_EQ(repeatAction(g, {5, 150}, Rect{}, false), ScrollRepeat::PageDown);
    EXPECT_EQ(repeatAction(g, {5, 50}, Rect{}, false), ScrollRepeat::None);
    EXPECT_EQ(repeatAction(g, {5, 5}, Rect{}, true), ScrollRepeat::None) << "arrows are not track";
}

TEST(ScrollPaint, CellsPerState)
{
    ScrollPaintState s{true, ScrollPart::FirstArrow, true, false};
    EXPECT_EQ(arrowCellOffset(s, ScrollPart::FirstArrow), 16);
    EXPECT_EQ(arrowCellOffset(s, ScrollPart::SecondArrow), 0);
    s.pressed = true;
    EXPECT_EQ(arrowCellOffset(s, ScrollPart::FirstArrow), 32);
    s.enabled = false;
    EXPECT_EQ(arrowCellOffset(s, ScrollPart::SecondArrow), 48);
    EXPECT_EQ(thumbStateIndex({true, ScrollPart::Thumb, true, true}), 2);
    EXPECT_EQ(thumbStateIndex({true, ScrollPart::Thumb, true, false}), 1);
    EXPECT_EQ(thumbStateIndex({true, ScrollPart::FirstArrow, true, true}), 0);
    EXPECT_EQ(thumbCapOffsets(true, 2).start, 0);
    EXPECT_EQ(thumbCapOffsets(false, 2).start, 14);
    EXPECT_EQ(thumbCapOffsets(false, 2).end, 18);
}

TEST(ScrollPaint, GripOnlyOnThumbsOf26PixelsOrMore)
{
    ScrollGeometry g = vertical(range(0, 99, 10, 0), 216);
    g.thumb = Rect{0, 16, 16, 41};
    EXPECT_TRUE(isEmpty(gripRect(g)));
    g.thumb = Rect{0, 16, 16, 42};
    EXPECT_EQ(gripRect(g).top, 19);
    EXPECT_EQ(height(gripRect(g)), 20);
}

} // namespace
} // namespace vesk::skin
