#include "skin/base_dialog.h"
#include "tests/skin/skin_test_support.h"

#include <gtest/gtest.h>

namespace {

using namespace vesk;
using namespace skintest;

class TestDialog : public CBaseDialog {
public:
    explicit TestDialog(UINT id)
        : CBaseDialog(id)
    {
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_SYSCOMMAND)
            sysCommands.push_back(static_cast<UINT>(wParam & 0xFFF0));
        if (message == WM_NCLBUTTONDBLCLK)
            ++doubleClicks;
        return CBaseDialog::WindowProc(message, wParam, lParam);
    }
    std::vector<UINT> sysCommands;
    int doubleClicks = 0;
};

class SkinDialog : public ::testing::Test {
protected:
    void SetUp() override { UseGeneratedSkins(); }

    std::unique_ptr<TestDialog> Make(DWORD boxes)
    {
        static UINT next = 9500;
        DialogTemplate dialog;
        dialog.id = next++;
        dialog.caption = "缩水器选项";
        dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | boxes;
        dialog.x = 10;
        dialog.y = 10;
        dialog.cx = 200;
        dialog.cy = 120;
        CurrentModuleContext().Templates().Register(dialog);
        auto d = std::make_unique<TestDialog>(dialog.id);
        EXPECT_TRUE(d->Create(dialog.id, nullptr));
        d->ShowWindow(SW_SHOW);
        Settle();
        return d;
    }

    static LPARAM ScreenAt(CWnd& wnd, int x, int y)
    {
        CRect window;
        wnd.GetWindowRect(&window);
        return MakePointLParam(window.left + x, window.top + y);
    }
};

TEST_F(SkinDialog, InitialisationResizesTheWindowAndSetsTheFrame)
{
    auto d = Make(0);
    CRect window;
    d->GetWindowRect(&window);
    const skin::FrameLayout& f = d->Frame();
    EXPECT_EQ(f.caption.right, window.Width());
    EXPECT_EQ(f.caption.bottom, 29);
    EXPECT_EQ(f.window.bottom, window.Height());
    EXPECT_TRUE(d->IsCloseOnly());
    EXPECT_FALSE(d->GetStyle() & WS_CAPTION);
    EXPECT_EQ(f.close.left, window.Width() - 50);
    EXPECT_EQ(f.close.top, 3);
    CRect client;
    d->GetClientRect(&client);
    EXPECT_EQ(client.Width(), window.Width() - 10);
    EXPECT_EQ(client.Height(), window.Height() - 34);
}

TEST_F(SkinDialog, RegionRoundsOnlyTheTopCorners)
{
    auto d = Make(0);
    const int w = d->Frame().window.right;
    const int h = d->Frame().window.bottom;
    CRgn region;
    region.CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(d->GetWindowRgn(region), RGN_ERROR);
    EXPECT_FALSE(region.PtInRegion(0, 0));
    EXPECT_FALSE(region.PtInRegion(w - 1, 0));
    EXPECT_TRUE(region.PtInRegion(w / 2, 0));
    EXPECT_TRUE(region.PtInRegion(0, h - 1)) << "square bottom corners";
    EXPECT_TRUE(region.PtInRegion(w - 1, h - 1));
}

TEST_F(SkinDialog, EitherBoxGivesThreeSmallButtons)
{
    auto d = Make(WS_MINIMIZEBOX);
    const int w = d->Frame().window.right;
    EXPECT_FALSE(d->IsCloseOnly());
    EXPECT_EQ(d->Frame().minimise.left, w - 77);
    EXPECT_EQ(d->Frame().maximise.left, w - 56);
    EXPECT_EQ(d->Frame().close.left, w - 35);
}

TEST_F(SkinDialog, CaptionBandMovesTheWindow)
{
    auto d = Make(0);
    EXPECT_EQ(d->SendMessage(WM_NCHITTEST, 0, ScreenAt(*d, 50, 10)), HTCAPTION);
    EXPECT_EQ(d->SendMessage(WM_NCHITTEST, 0, ScreenAt(*d, 5, 28)), HTCAPTION);
    EXPECT_NE(d->SendMessage(WM_NCHITTEST, 0, ScreenAt(*d, 2, 10)), HTCAPTION);
    EXPECT_NE(d->SendMessage(WM_NCHITTEST, 0, ScreenAt(*d, 50, 40)), HTCAPTION);
}

TEST_F(SkinDialog, NonClientSizeLeavesTheBorderAndBand)
{
    auto d = Make(0);
    NCCALCSIZE_PARAMS params;
    params.rgrc[0] = RECT{100, 100, 300, 250};
    d->SendMessage(WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
    EXPECT_EQ(params.rgrc[0].left, 105);
    EXPECT_EQ(params.rgrc[0].top, 129);
    EXPECT_EQ(params.rgrc[0].right, 295);
    EXPECT_EQ(params.rgrc[0].bottom, 245);
}

TEST_F(SkinDialog, CloseButtonActsOnlyOnAClickCompletedOverIt)
{
    auto d = Make(0);
    const Rect close = d->Frame().close;
    const LPARAM on = ScreenAt(*d, close.left + 5, close.top + 5);
    const LPARAM off = ScreenAt(*d, 40, 12);
    d->SendMessage(WM_NCMOUSEMOVE, HTCAPTION, on);
    EXPECT_TRUE(d->IsButtonHot(skin::FrameButton::Close));
    d->SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, on);
    EXPECT_TRUE(d->IsButtonPressed(skin::FrameButton::Close));
    d->SendMessage(WM_NCLBUTTONUP, HTCAPTION, off);
    Settle();
    EXPECT_TRUE(d->sysCommands.empty()) << "released away from the button";
    EXPECT_FALSE(d->IsButtonHot(skin::FrameButton::Close));
    d->SendMessage(WM_NCLBUTTONUP, HTCAPTION, on);
    Settle();
    ASSERT_EQ(d->sysCommands.size(), 1u);
    EXPECT_EQ(d->sysCommands[0], SC_CLOSE);
}

TEST_F(SkinDialog, MovingOffAllButtonsClearsTheirStates)
{
    auto d = Make(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    const Rect min = d->Frame().minimise;
    const Rect max = d->Frame().maximise;
    d->SendMessage(WM_NCMOUSEMOVE, HTCAPTION, ScreenAt(*d, min.left + 2, min.top + 2));
    d->SendMessage(WM_NCMOUSEMOVE, HTCAPTION, ScreenAt(*d, max.left + 2, max.top + 2));
    EXPECT_TRUE(d->IsButtonHot(skin::FrameButton::Minimise)) << "stays hot until the mouse leaves all three";
    EXPECT_TRUE(d->IsButtonHot(skin::FrameButton::Maximise));
    d->SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, ScreenAt(*d, max.left + 2, max.top + 2));
    d->SendMessage(WM_NCMOUSEMOVE, HTCAPTION, ScreenAt(*d, 30, 12));
    EXPECT_FALSE(d->IsButtonHot(skin::FrameButton::Minimise));
    EXPECT_FALSE(d->IsButtonPressed(skin::FrameButton::Maximise));
}

TEST_F(SkinDialog, ButtonWithoutItsStyleBitDoesNothing)
{
    auto d = Make(WS_MINIMIZEBOX);
    const Rect max = d->Frame().maximise;
    const LPARAM on = ScreenAt(*d, max.left + 3, max.top + 3);
    d->SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, on);
    d->SendMessage(WM_NCLBUTTONUP, HTCAPTION, on);
    Settle();
    EXPECT_EQ(d->doubleClicks, 0);
    EXPECT_FALSE(d->IsMaximised());
    d->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenAt(*d, 40, 12));
    EXPECT_FALSE(d->IsMaximised()) << "no maximise box, no own maximise";
}

TEST_F(SkinDialog, OwnMaximiseKeepsTheTaskBarAndRestores)
{
    auto d = Make(WS_MAXIMIZEBOX);
    CRect before;
    d->GetWindowRect(&before);
    const Rect max = d->Frame().maximise;
    const LPARAM on = ScreenAt(*d, max.left + 3, max.top + 3);
    d->SendMessage(WM_NCLBUTTONDOWN, HTCAPTION, on);
    d->SendMessage(WM_NCLBUTTONUP, HTCAPTION, on);
    Settle();
    ASSERT_TRUE(d->IsMaximised());
    RECT work;
    GetWorkArea(&work);
    CRect now;
    d->GetWindowRect(&now);
    EXPECT_EQ(now.left, 0);
    EXPECT_EQ(now.top, 0);
    EXPECT_EQ(now.Width(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(now.Height(), std::min(work.bottom, GetSystemMetrics(SM_CYSCREEN)));
    EXPECT_FALSE(d->GetStyle() & WS_THICKFRAME);
    d->SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenAt(*d, 40, 12));
    Settle();
    d->GetWindowRect(&now);
    EXPECT_FALSE(d->IsMaximised());
    EXPECT_EQ(now, before);
}

TEST_F(SkinDialog, PreTranslationConsumesMinimise)
{
    auto d = Make(WS_MINIMIZEBOX);
    MSG msg;
    msg.hwnd = d->m_hWnd;
    msg.message = WM_SYSCOMMAND;
    msg.wParam = SC_MINIMIZE;
    EXPECT_TRUE(d->PreTranslateMessage(&msg));
    msg.wParam = SC_CLOSE;
    EXPECT_FALSE(d->PreTranslateMessage(&msg));
}

TEST_F(SkinDialog, ControlsGetTheLightBackgroundBrush)
{
    auto d = Make(0);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    const LRESULT brush = d->SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(&dc), 0);
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), d->BackgroundBrush());
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
    EXPECT_EQ(d->BackgroundBrush()->color, RGB(250, 252, 254));
}

TEST_F(SkinDialog, FramePaintsBorderShadesAndTitleBand)
{
    auto d = Make(0);
    const QImage shown = Grab(d->m_hWnd);
    const int h = shown.height();
    EXPECT_EQ(PixelOf(shown, 0, h / 2), Rgb(0x654A1F));
    EXPECT_EQ(PixelOf(shown, 4, h / 2), Rgb(0x884D2D));
    EXPECT_EQ(PixelOf(shown, shown.width() / 2, h - 1), Rgb(0x654A1F));
    const QImage title = SkinImage("FmTitle.bmp");
    EXPECT_EQ(PixelOf(shown, 100, 26), title.pixelColor(6, 26)) << "band body column";
}

} // namespace
