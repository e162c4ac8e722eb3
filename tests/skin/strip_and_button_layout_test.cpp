#include "skin/geometry/button_layout.h"
#include "skin/geometry/strip_layout.h"

#include <gtest/gtest.h>

namespace vesk::skin {
namespace {

TEST(ButtonState, FirstApplicableStateWins)
{
    EXPECT_EQ(chooseButtonState(true, true, true), ButtonState::Disabled);
    EXPECT_EQ(chooseButtonState(false, true, true), ButtonState::Pressed);
    EXPECT_EQ(chooseButtonState(false, false, true), ButtonState::Hot);
    EXPECT_EQ(chooseButtonState(false, false, false), ButtonState::Normal);
    EXPECT_EQ(buttonCellX(ButtonState::Disabled), 21);
}

TEST(ButtonStrip, CapsAtBothEndsAndBodyColumnBetween)
{
    const StripCell hot{buttonCellX(ButtonState::Hot), 3, 4};
    const auto pieces = capsThenBody(hot, 20);
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0], (StripPiece{0, 3, 7, 3}));
    EXPECT_EQ(pieces[1], (StripPiece{17, 3, 11, 3}));
    EXPECT_EQ(pieces[2], (StripPiece{3, 14, 10, 1}));
}

TEST(ButtonStrip, NarrowButtonsGetBothCapsAndNoBody)
{
    const StripCell normal{0, 3, 4};
    for (int w : {5, 6}) {
        const auto pieces = capsThenBody(normal, w);
        ASSERT_EQ(pieces.size(), 2u) << w;
        EXPECT_EQ(pieces[1].destX, w - 3);
    }
    const auto seven = capsThenBody(normal, 7);
    ASSERT_EQ(seven.size(), 3u);
    EXPECT_EQ(seven[2], (StripPiece{3, 1, 3, 1}));
}

TEST(TitleStrip, BodyUnderBothCaps)
{
    const auto pieces = bodyThenCaps(StripCell{0, 6, 7}, 100);
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0], (StripPiece{0, 100, 6, 1}));
    EXPECT_EQ(pieces[1], (StripPiece{0, 6, 0, 6}));
    EXPECT_EQ(pieces[2], (StripPiece{94, 6, 7, 6}));
}

TEST(ButtonIcon, BesideTextOrCentredAndShiftedWhenPressed)
{
    EXPECT_EQ(iconOrigin(80, 24, 16, 16, true, false), (Point{8, 4}));
    EXPECT_EQ(iconOrigin(80, 24, 16, 16, false, false), (Point{32, 4}));
    EXPECT_EQ(iconOrigin(80, 24, 16, 16, true, true), (Point{9, 5}));
    const Rect text = buttonTextRect(Rect{0, 0, 80, 24}, 16, true);
    EXPECT_EQ(text.left, 24);
    EXPECT_EQ(buttonTextRect(Rect{0, 0, 80, 24}, 16, false).left, 0);
}

TEST(TwoCellImage, HalvesAndStates)
{
    const CellSize odd = twoCellSize(27, 13);
    EXPECT_EQ(odd.width, 13);
    EXPECT_EQ(odd.height, 13);
    EXPECT_EQ(twoCellSize(0, 0).width, 0);
    EXPECT_EQ(twoCellIndex(false, false, false), 0);
    EXPECT_EQ(twoCellIndex(true, false, false), 1);
    EXPECT_EQ(twoCellIndex(false, true, false), 1);
    EXPECT_EQ(twoCellIndex(true, true, true), 0) << "disabled always shows the off cell";
}

TEST(TwoCellImage, PlacementWithAndWithoutText)
{
    const Rect item{10, 20, 110, 40};
    EXPECT_EQ(twoCellOrigin(item, {13, 13}, true), (Point{10, 23}));
    EXPECT_EQ(twoCellOrigin(item, {20, 20}, false), (Point{50, 20}));
    EXPECT_EQ(twoCellTextRect(item, 13).left, 28);
    EXPECT_EQ(twoCellTextRect(item, 0).left, 15) << "a missing image leaves the text at 5";
    EXPECT_EQ(twoCellTextRect(item, 13).top, 21);
}

TEST(GroupBox, CaptionAndFrame)
{
    const Rect caption = groupCaptionRect(40, 12);
    EXPECT_EQ(caption.left, 7);
    EXPECT_EQ(caption.right, 51);
    EXPECT_EQ(caption.bottom, 12);
    EXPECT_EQ(groupFrameRect(Rect{0, 0, 100, 80}).top, 6);
}

} // namespace
} // namespace vesk::skin
