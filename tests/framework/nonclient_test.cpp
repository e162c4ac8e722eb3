// The non-client area of frameless pop-up windows: the client rectangle from
// WM_NCCALCSIZE, the caption band from WM_NCHITTEST moving the window,
// non-client painting and mouse messages, system commands.
#include "test_windows.h"

#include <QTest>

#include <gtest/gtest.h>

namespace vesk {
namespace {

constexpr int kBorder = 5;
constexpr int kCaption = 29;

// A skinned frame in the manner of the module's pop-up dialogs.
class FramedWindow : public CWnd {
public:
    std::vector<std::pair<UINT, WPARAM>> nonClient; // message, hit code
    int closes = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message) {
        case WM_NCCALCSIZE: {
            auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
            CRect r(params->rgrc[0]);
            r.DeflateRect(kBorder, kCaption, kBorder, kBorder);
            params->rgrc[0] = r;
            return 0;
        }
        case WM_NCHITTEST: {
            CRect window;
            GetWindowRect(&window);
            const CPoint p(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            const CRect band(window.left + kBorder, window.top + kBorder, window.right - kBorder, window.top + kCaption);
            if (band.PtInRect(p))
                return HTCAPTION;
            return CWnd::WindowProc(message, wParam, lParam);
        }
        case WM_NCPAINT: {
            CWindowDC dc(this);
            CRect window;
            GetWindowRect(&window);
            dc.FillSolidRect(CRect(0, 0, window.Width(), kCaption), RGB(0, 0, 255));
            return 0;
        }
        case WM_NCMOUSEMOVE:
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONUP:
        case WM_NCLBUTTONDBLCLK:
            nonClient.emplace_back(message, wParam);
            break;
        case WM_CLOSE:
            ++closes;
            return 0;
        default:
            break;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

struct Frame : ::testing::Test {
    FramedWindow window;
    void SetUp() override
    {
        ASSERT_TRUE(window.Create(nullptr, "框", WS_POPUP | WS_CAPTION | WS_SYSMENU, CRect(100, 100, 300, 250), nullptr, 0));
        window.ModifyStyle(WS_CAPTION, 0, SWP_FRAMECHANGED);
        window.ShowWindow(SW_SHOW);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.m_hWnd));
    }
};

TEST_F(Frame, ClientRectangleComesFromNcCalcSize)
{
    CRect client;
    window.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 200 - 2 * kBorder);
    EXPECT_EQ(client.Height(), 150 - kCaption - kBorder);
    CPoint origin;
    window.ClientToScreen(&origin);
    EXPECT_EQ(origin.x, 100 + kBorder);
    EXPECT_EQ(origin.y, 100 + kCaption);
    window.MoveWindow(100, 100, 240, 180);
    window.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 240 - 2 * kBorder);
}

TEST_F(Frame, FrameChangeAsksForTheClientAgain)
{
    window.SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    CRect client;
    window.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 200 - 2 * kBorder);
    window.SetWindowPos(nullptr, 0, 0, 204, 159, SWP_NOMOVE | SWP_NOZORDER);
    CRect rect;
    window.GetWindowRect(&rect);
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.Width(), 204);
    EXPECT_EQ(rect.Height(), 159);
}

TEST_F(Frame, PostedMessagesPassPreTranslation)
{
    class Minimiser : public CWnd {
    public:
        int minimised = 0;
        BOOL PreTranslateMessage(MSG* msg) override
        {
            return msg->message == WM_SYSCOMMAND && msg->wParam == SC_MINIMIZE;
        }

    protected:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_SYSCOMMAND && wParam == SC_MINIMIZE)
                ++minimised;
            return CWnd::WindowProc(message, wParam, lParam);
        }
    } popup;
    ASSERT_TRUE(popup.Create(nullptr, nullptr, WS_POPUP | WS_VISIBLE, CRect(0, 0, 50, 50), nullptr, 0));
    PreTranslateFilter filter;
    popup.PostMessage(WM_SYSCOMMAND, SC_MINIMIZE);
    popup.PostMessage(WM_SYSCOMMAND, SC_MINIMIZE + 1);
    test::Pump();
    EXPECT_EQ(popup.minimised, 0);
    popup.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE); // sent messages are not pre-translated
    EXPECT_EQ(popup.minimised, 1);
}

TEST_F(Frame, NonClientPaintingDrawsOnTheWholeWindow)
{
    const QImage shot = window.m_hWnd->grab().toImage();
    EXPECT_EQ(shot.pixelColor(100, 10), QColor(0, 0, 255));
}

TEST_F(Frame, DraggingTheCaptionBandMovesTheWindow)
{
    QTest::mousePress(window.m_hWnd, Qt::LeftButton, {}, QPoint(60, 12));
    ASSERT_FALSE(window.nonClient.empty());
    EXPECT_EQ(window.nonClient.back().first, WM_NCLBUTTONDOWN);
    EXPECT_EQ(window.nonClient.back().second, static_cast<WPARAM>(HTCAPTION));
    QTest::mouseMove(window.m_hWnd, QPoint(90, 32));
    QTest::mouseRelease(window.m_hWnd, Qt::LeftButton, {}, QPoint(90, 32));
    CRect rect;
    window.GetWindowRect(&rect);
    EXPECT_EQ(rect.left, 130);
    EXPECT_EQ(rect.top, 120);
}

TEST_F(Frame, BorderClicksCarryTheirHitCode)
{
    QTest::mouseClick(window.m_hWnd, Qt::LeftButton, {}, QPoint(2, 100));
    ASSERT_GE(window.nonClient.size(), 2u);
    EXPECT_EQ(window.nonClient[0].second, static_cast<WPARAM>(HTBORDER));
    EXPECT_EQ(window.nonClient[1].first, WM_NCLBUTTONUP);
}

TEST_F(Frame, CloseCommandBecomesCloseMessage)
{
    window.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(window.closes, 1);
    EXPECT_TRUE(window.IsWindow());
    window.m_hWnd->close(); // the window manager's close asks the same way
    EXPECT_EQ(window.closes, 2);
    EXPECT_TRUE(window.IsWindowVisible());
}

TEST_F(Frame, WindowRegionRoundsTheCorners)
{
    CRgn round;
    round.CreateRoundRectRgn(0, 0, 201, 150, 12, 12);
    CRgn square;
    square.CreateRectRgn(0, kCaption, 200, 150);
    round.CombineRgn(&round, &square, RGN_OR);
    window.SetWindowRgn(round, TRUE);
    EXPECT_FALSE(window.m_hWnd->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(window.m_hWnd->mask().contains(QPoint(0, 149)));
}

TEST(DefaultFrame, CaptionedPopupGetsTheStandardMetricsAndCloseBox)
{
    CWnd window;
    ASSERT_TRUE(window.Create(nullptr, "标题", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, CRect(10, 10, 210, 110), nullptr, 0));
    CRect client;
    window.GetClientRect(&client);
    EXPECT_EQ(client.Width(), 200 - 2 * GetSystemMetrics(SM_CXDLGFRAME));
    EXPECT_EQ(client.Height(), 100 - 2 * GetSystemMetrics(SM_CYDLGFRAME) - GetSystemMetrics(SM_CYCAPTION));
    CRect rect;
    window.GetWindowRect(&rect);
    const LRESULT caption = window.SendMessage(WM_NCHITTEST, 0, MakePointLParam(rect.left + 20, rect.top + 10));
    EXPECT_EQ(caption, HTCAPTION);
    const LRESULT close = window.SendMessage(WM_NCHITTEST, 0, MakePointLParam(rect.right - 10, rect.top + 10));
    EXPECT_EQ(close, HTCLOSE);
    EXPECT_EQ(window.SendMessage(WM_NCHITTEST, 0, MakePointLParam(rect.left + 50, rect.top + 50)), HTCLIENT);
    // The default close destroys the window.
    window.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(window.IsWindow());
}

} // namespace
} // namespace vesk
