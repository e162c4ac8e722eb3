// Window state: styles, visibility, enabling, geometry, relations, focus;
// rectangles; dialog units.
#include "test_windows.h"

#include <QTest>

#include <gtest/gtest.h>

namespace vesk {
namespace {

using test::CreateHost;

TEST(Rectangles, EmptyRectanglesAndTheirCombinations)
{
    CRect a(0, 0, 10, 10);
    CRect b(5, 5, 15, 15);
    CRect r;
    EXPECT_TRUE(r.IntersectRect(a, b));
    EXPECT_EQ(r, CRect(5, 5, 10, 10));
    EXPECT_FALSE(r.IntersectRect(a, CRect(10, 0, 20, 10))); // touching edges do not overlap
    EXPECT_TRUE(r.IsRectNull());
    EXPECT_TRUE(r.UnionRect(a, CRect()));
    EXPECT_EQ(r, a);
    EXPECT_TRUE(r.UnionRect(a, b));
    EXPECT_EQ(r, CRect(0, 0, 15, 15));
    EXPECT_FALSE(a.PtInRect(CPoint(10, 5)));
    EXPECT_TRUE(a.PtInRect(CPoint(9, 9)));
    CRect n(10, 10, 0, 0);
    EXPECT_TRUE(n.IsRectEmpty());
    n.NormalizeRect();
    EXPECT_EQ(n, a);
    n.DeflateRect(5, 29, 5, 5);
    EXPECT_EQ(n, CRect(5, 29, 5, 5));
    EXPECT_TRUE(n.IsRectEmpty());
}

TEST(Rectangles, PackedCoordinatesKeepTheirSign)
{
    const LPARAM packed = MakePointLParam(-3, 700);
    EXPECT_EQ(GET_X_LPARAM(packed), -3);
    EXPECT_EQ(GET_Y_LPARAM(packed), 700);
    EXPECT_EQ(HIWORD(MAKEWPARAM(7, SB_THUMBTRACK)), SB_THUMBTRACK);
    EXPECT_EQ(RGB(250, 252, 254), 0xFEFCFAu);
    EXPECT_EQ(GetBValue(0xD54600u), 0xD5);
}

TEST(WindowState, VisibilityEnablingAndStyleBits)
{
    CWnd host;
    CreateHost(host);
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, nullptr, WS_CHILD | WS_TABSTOP, CRect(1, 2, 31, 22), &host, 9));
    EXPECT_FALSE(child.GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(child.ShowWindow(SW_SHOW));
    EXPECT_TRUE(child.GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(child.IsWindowVisible());
    EXPECT_TRUE(child.ShowWindow(SW_HIDE));
    EXPECT_FALSE(child.IsWindowVisible());
    EXPECT_FALSE(child.EnableWindow(FALSE));
    EXPECT_TRUE(child.GetStyle() & WS_DISABLED);
    EXPECT_TRUE(child.EnableWindow(TRUE));
    EXPECT_TRUE(child.ModifyStyle(WS_TABSTOP, WS_BORDER));
    EXPECT_FALSE(child.ModifyStyle(0, WS_BORDER)); // nothing changed
    EXPECT_EQ(child.GetStyle() & (WS_TABSTOP | WS_BORDER), WS_BORDER);
    EXPECT_EQ(child.GetDlgCtrlID(), 9);
    EXPECT_EQ(child.SetDlgCtrlID(10), 9);
    EXPECT_EQ(host.GetDlgItem(10), &child);
}

TEST(WindowState, GeometryInParentAndScreenCoordinates)
{
    CWnd host;
    CreateHost(host);
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(10, 20, 110, 70), &host, 1));
    CRect window;
    child.GetWindowRect(&window);
    host.ScreenToClient(&window);
    EXPECT_EQ(window, CRect(10, 20, 110, 70));
    child.MoveWindow(CRect(0, 0, 40, 30));
    CRect client;
    child.GetClientRect(&client);
    EXPECT_EQ(client, CRect(0, 0, 40, 30));
    CPoint p(1, 1);
    child.ClientToScreen(&p);
    host.ScreenToClient(&p);
    EXPECT_EQ(p, CPoint(1, 1));
    // A hidden window hears about its new size at once.
    class Sized : public CWnd {
    public:
        int width = -1;

    protected:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_SIZE)
                width = LOWORD(static_cast<WPARAM>(lParam));
            return CWnd::WindowProc(message, wParam, lParam);
        }
    } hidden;
    ASSERT_TRUE(hidden.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 10, 10), &host, 2));
    EXPECT_EQ(hidden.width, 10);
    hidden.SetWindowPos(nullptr, 0, 0, 55, 10, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(hidden.width, 55);
}

TEST(WindowState, RelationsFocusAndText)
{
    CWnd host;
    CreateHost(host);
    CEdit first;
    CEdit second;
    ASSERT_TRUE(first.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &host, 1));
    ASSERT_TRUE(second.Create(WS_CHILD | WS_VISIBLE, CRect(0, 30, 50, 50), &host, 2));
    EXPECT_EQ(first.GetParent(), &host);
    EXPECT_EQ(first.GetTopLevelParent(), &host);
    EXPECT_EQ(first.GetWindow(GW_HWNDNEXT), &second);
    EXPECT_EQ(second.GetWindow(GW_HWNDPREV), &first);
    EXPECT_EQ(host.GetWindow(GW_CHILD), &first);
    EXPECT_EQ(host.GetChildren().size(), 2u);
    second.SetFocus();
    EXPECT_EQ(CWnd::GetFocus(), &second);
    host.SetDlgItemInt(1, static_cast<UINT>(-5));
    BOOL ok = FALSE;
    EXPECT_EQ(static_cast<int>(host.GetDlgItemInt(1, &ok)), -5);
    EXPECT_TRUE(ok);
    host.SetDlgItemText(1, "x7");
    host.GetDlgItemInt(1, &ok);
    EXPECT_FALSE(ok);
    host.SetWindowText("主窗口");
    EXPECT_EQ(host.GetWindowText(), "主窗口");
}

TEST(DialogUnitsTest, ConvertWithTheFontsAverageCharacter)
{
    DialogUnits units;
    units.baseX = 6;
    units.baseY = 12;
    EXPECT_EQ(units.ToPixels(4, 8, 40, 16), CRect(6, 12, 66, 36));
    EXPECT_EQ(units.Horizontal(3), 4); // truncates like the system's MulDiv
    DialogTemplate dialog;
    const DialogUnits real = DialogUnits::ForFont(DialogFont(dialog));
    EXPECT_GE(real.baseX, 4);
    EXPECT_GE(real.baseY, 10);
}

} // namespace
} // namespace vesk
