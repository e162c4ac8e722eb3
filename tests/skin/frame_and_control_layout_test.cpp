#include "skin/geometry/char_filter.h"
#include "skin/geometry/combo_look.h"
#include "skin/geometry/frame_layout.h"
#include "skin/geometry/menu_layout.h"
#include "skin/geometry/scroll_edit_layout.h"
#include "skin/geometry/tab_layout.h"

#include <gtest/gtest.h>

namespace vesk::skin {
namespace {

void expectRect(const Rect& r, int l, int t, int rt, int b)
{
    EXPECT_EQ(r.left, l);
    EXPECT_EQ(r.top, t);
    EXPECT_EQ(r.right, rt);
    EXPECT_EQ(r.bottom, b);
}

TEST(Frame, CloseOnlyDialogHasOneWideCloseButton)
{
    const FrameLayout f = layoutFrame(300, 200, true);
    expectRect(f.caption, 0, 0, 300, 29);
    expectRect(f.close, 250, 3, 295, 27);
    EXPECT_TRUE(isEmpty(f.minimise));
    EXPECT_TRUE(isEmpty(f.maximise));
    EXPECT_TRUE(isEmpty(f.buttonBackground));
}

TEST(Frame, ThreeSmallButtonsOnTheirBackground)
{
    const FrameLayout f = layoutFrame(300, 200, false);
    expectRect(f.buttonBackground, 211, 3, 295, 27);
    expectRect(f.minimise, 223, 5, 241, 24);
    expectRect(f.maximise, 244, 5, 262, 24);
    expectRect(f.close, 265, 5, 283, 24);
    EXPECT_EQ(frameButtonAt(f, {230, 10}), FrameButton::Minimise);
    EXPECT_EQ(frameButtonAt(f, {250, 10}), FrameButton::Maximise);
    EXPECT_EQ(frameButtonAt(f, {270, 10}), FrameButton::Close);
    EXPECT_EQ(frameButtonAt(f, {242, 10}), FrameButton::None);
}

TEST(Frame, ClientAndCaptionBand)
{
    expectRect(clientFromWindow(Rect{10, 20, 310, 220}), 15, 49, 305, 215);
    EXPECT_EQ(clientToFrame({0, 0}), (Point{5, 29}));
    const Rect window{100, 100, 400, 300};
    EXPECT_TRUE(inCaptionBand(window, {105, 105}));
    EXPECT_TRUE(inCaptionBand(window, {394, 128}));
    EXPECT_FALSE(inCaptionBand(window, {104, 110})) << "the border is not caption";
    EXPECT_FALSE(inCaptionBand(window, {395, 110}));
    EXPECT_FALSE(inCaptionBand(window, {200, 129}));
}

TEST(Frame, BorderLinesStepInwardsOutermostFirst)
{
    BorderLine lines[5];
    borderLines(300, 200, lines);
    expectRect(lines[0].edges, 0, 0, 300, 200);
    expectRect(lines[4].edges, 4, 0, 296, 196);
    EXPECT_EQ(lines[0].colour, 0x654A1Fu);
    EXPECT_EQ(lines[4].colour, 0x884D2Du);
}

TEST(Frame, MaximiseLeavesTheTaskBarVisible)
{
    expectRect(maximisedRect(1024, 768, Rect{0, 738, 1024, 768}), 0, 0, 1024, 738);
    expectRect(maximisedRect(1024, 768, Rect{}), 0, 0, 1024, 768);
}

TEST(Tabs, HeadRectangles)
{
    expectRect(tabHeadRect(Rect{2, 2, 60, 22}, false), 0, 2, 60, 22);
    expectRect(tabHeadRect(Rect{2, 2, 60, 22}, true), 0, 0, 60, 23);
    expectRect(tabHeadRect(Rect{60, 2, 120, 22}, true), 60, 0, 120, 23);
    EXPECT_EQ(tabTextRect(Rect{0, 0, 60, 23}, true).top, 4);
    EXPECT_EQ(tabTextRect(Rect{0, 2, 60, 22}, false).top, 5);
    EXPECT_EQ(tabPageFrame(Rect{0, 0, 300, 200}, Rect{2, 2, 60, 22}).top, 22);
}

TEST(Combo, DroppedColoursWinOverHot)
{
    EXPECT_EQ(comboColours(true, false).fill, 0xC48A73u);
    EXPECT_EQ(comboColours(true, true).arrow, 0xFFFFFFu);
    EXPECT_EQ(comboColours(false, true).fill, 0xD8B9ADu);
    EXPECT_EQ(comboColours(false, true).line, 0x6A240Au);
    EXPECT_EQ(comboColours(false, false).line, 0x707070u);
    const Rect button = comboButtonRect(Rect{0, 0, 120, 22});
    expectRect(button, 101, 1, 119, 21);
    const auto arrow = comboArrow(button);
    EXPECT_EQ(arrow[0], (Point{107, 9}));
    EXPECT_EQ(arrow[2], (Point{110, 12}));
}

TEST(CharFilter, DigitsOnly)
{
    const std::u32string digits = U"0123456789";
    EXPECT_TRUE(isCharAllowed(digits, U'7', false));
    EXPECT_FALSE(isCharAllowed(digits, U'a', false));
    EXPECT_FALSE(isCharAllowed(digits, U'号', false));
    EXPECT_TRUE(isCharAllowed(digits, 8, false)) << "backspace always passes";
    EXPECT_TRUE(isCharAllowed(digits, U'a', true)) << "Ctrl combinations always pass";
    EXPECT_TRUE(isCharAllowed(U"", U'x', false));
}

TEST(CharFilter, LettersMatchByTheirCapital)
{
    EXPECT_TRUE(isCharAllowed(U"ABC", U'b', false));
    EXPECT_TRUE(isCharAllowed(U"ABC", U'B', false));
    EXPECT_FALSE(isCharAllowed(U"abc", U'b', false)) << "a small letter in the set never matches";
}

TEST(ScrollEdit, BarsCoverTheEditsOwnBars)
{
    const BorderWidths b = borderWidths(Rect{10, 10, 210, 110}, Rect{12, 12, 190, 90});
    EXPECT_EQ(b.right, 20);
    EXPECT_EQ(b.bottom, 20);
    const ScrollEditBars bars = layoutScrollEditBars(Rect{10, 10, 210, 110}, b, 178, 78);
    EXPECT_TRUE(bars.verticalShown);
    expectRect(bars.vertical, 192, 12, 208, 90);
    EXPECT_TRUE(bars.horizontalShown);
    expectRect(bars.horizontal, 12, 92, 190, 108);

    const BorderWidths plain = borderWidths(Rect{0, 0, 100, 50}, Rect{2, 2, 98, 48});
    const ScrollEditBars none = layoutScrollEditBars(Rect{0, 0, 100, 50}, plain, 96, 46);
    EXPECT_FALSE(none.verticalShown);
    EXPECT_FALSE(none.horizontalShown);
}

TEST(ScrollEdit, RegionCutsOnlyShownBars)
{
    const BorderWidths b{2, 2, 18, 2};
    const auto cuts = scrollEditRegionCuts(200, 100, b, 180, 96, true, false);
    ASSERT_EQ(cuts.size(), 1u);
    expectRect(cuts[0], 182, 2, 198, 98);
    EXPECT_TRUE(scrollEditRegionCuts(200, 100, b, 180, 96, false, false).empty());
}

TEST(Menu, TextAndSizes)
{
    EXPECT_EQ(withoutAmpersands("保存(&V)..."), "保存(V)...");
    const MenuText split = splitMenuText("删除(&D)\tDel\tx");
    EXPECT_EQ(split.label, "删除(&D)");
    EXPECT_EQ(split.shortcut, "Del\tx");
    EXPECT_TRUE(splitMenuText("全选").shortcut.empty());
    EXPECT_EQ(menuItemSize(false, 60).width, 105);
    EXPECT_EQ(menuItemSize(false, 60).height, 22);
    EXPECT_EQ(menuItemSize(true, 0).height, 7);
    EXPECT_EQ(menuShortcutRect(150, 22).right, 134);
}

} // namespace
} // namespace vesk::skin
