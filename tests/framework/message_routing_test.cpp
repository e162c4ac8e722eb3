// Messages between windows: commands and notifications from controls,
// send and post order, handlers and default handling.
#include "framework/framework.h"

#include <QTest>

#include <gtest/gtest.h>

namespace vesk {
namespace {

TEST(MessageRouting, ButtonClickReachesParentAsCommand)
{
    CWnd parent;
    ASSERT_TRUE(parent.Create(nullptr, "parent", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0));
    int clicks = 0;
    parent.HandleCommand(42, BN_CLICKED, [&] { ++clicks; });
    CButton button;
    ASSERT_TRUE(button.Create("OK", WS_CHILD | WS_VISIBLE, CRect(10, 10, 80, 40), &parent, 42));
    QTest::mouseClick(button.m_hWnd, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

} // namespace
} // namespace vesk
