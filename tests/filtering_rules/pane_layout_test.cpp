// The workbench's pane layout at both sides of its width threshold.
#include "filtering/rules/pane_layout.h"

#include <gtest/gtest.h>

namespace vesk::workbench {
namespace {

bool operator==(const Rect& a, const Rect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(PaneLayout, NarrowBelow800WideFrom800)
{
    const PaneLayout narrow = LayOutPanes(799, 600);
    EXPECT_EQ(narrow.panelMode, 1);
    EXPECT_TRUE(narrow.panel == (Rect{6, 6, 352, 142}));
    EXPECT_TRUE(narrow.left == (Rect{6, 148, 352, 148 + 600 - 154}));
    EXPECT_TRUE(narrow.right == (Rect{358, 6, 358 + 799 - 364, 6 + 600 - 12}));

    const PaneLayout wide = LayOutPanes(800, 600);
    EXPECT_EQ(wide.panelMode, 2);
    EXPECT_TRUE(wide.panel == (Rect{6, 6, 429, 118}));
    EXPECT_TRUE(wide.left == (Rect{6, 124, 429, 124 + 600 - 130}));
    EXPECT_TRUE(wide.right == (Rect{435, 6, 435 + 800 - 441, 6 + 600 - 12}));
}

TEST(PaneLayout, SmallClientsAreNotClamped)
{
    const PaneLayout tiny = LayOutPanes(100, 50);
    EXPECT_EQ(tiny.left.bottom - tiny.left.top, 50 - 154);
    EXPECT_EQ(tiny.right.right - tiny.right.left, 100 - 364);
}

} // namespace
} // namespace vesk::workbench
