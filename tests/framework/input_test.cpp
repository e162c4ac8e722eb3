// Timers, mouse capture, mouse-leave tracking and key state.
#include "test_windows.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <memory>

#include <gtest/gtest.h>

namespace vesk {
namespace {

using test::CreateHost;
using test::RecordingWnd;

TEST(Timers, FireWithTheirIdsUntilKilled)
{
    RecordingWnd wnd;
    wnd.watched = {WM_TIMER};
    CreateHost(wnd);
    EXPECT_EQ(wnd.SetTimer(1000, 5), 1000u);
    EXPECT_EQ(wnd.SetTimer(1001, 5), 1001u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return wnd.Count(WM_TIMER) >= 4; }, 2000));
    const auto ids = wnd.Of(WM_TIMER);
    EXPECT_NE(std::find(ids.begin(), ids.end(), 1000u), ids.end());
    EXPECT_NE(std::find(ids.begin(), ids.end(), 1001u), ids.end());
    EXPECT_TRUE(wnd.KillTimer(1000));
    EXPECT_FALSE(wnd.KillTimer(1000));
    EXPECT_TRUE(wnd.KillTimer(1001));
    wnd.messages.clear();
    QTest::qWait(30);
    EXPECT_EQ(wnd.Count(WM_TIMER), 0);
}

TEST(Timers, SettingAnIdAgainRestartsIt)
{
    RecordingWnd wnd;
    wnd.watched = {WM_TIMER};
    CreateHost(wnd);
    wnd.SetTimer(7, 10000);
    wnd.SetTimer(7, 5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return wnd.Count(WM_TIMER) >= 1; }, 2000));
    EXPECT_GE(wnd.Count(WM_TIMER), 1);
    wnd.KillTimer(7);
}

TEST(Capture, LoserIsToldAndMouseFollowsTheCapture)
{
    RecordingWnd host;
    CreateHost(host);
    RecordingWnd first;
    RecordingWnd second;
    first.watched = second.watched = {WM_CAPTURECHANGED, WM_MOUSEMOVE};
    ASSERT_TRUE(first.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &host, 1));
    ASSERT_TRUE(second.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(60, 0, 110, 50), &host, 2));
    first.SetCapture();
    EXPECT_EQ(CWnd::GetCapture(), &first);
    second.SetCapture();
    ASSERT_EQ(first.Count(WM_CAPTURECHANGED), 1);
    EXPECT_EQ(reinterpret_cast<HWND>(first.messages.back().lParam), second.m_hWnd);
    ReleaseCapture();
    EXPECT_EQ(second.Count(WM_CAPTURECHANGED), 1);
    EXPECT_EQ(GetCapture(), nullptr);
    ReleaseCapture(); // nothing held: no message
    EXPECT_EQ(second.Count(WM_CAPTURECHANGED), 1);
}

TEST(Capture, DestroyingTheCaptureWindowReleasesIt)
{
    RecordingWnd host;
    CreateHost(host);
    RecordingWnd child;
    child.watched = {WM_CAPTURECHANGED};
    ASSERT_TRUE(child.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &host, 1));
    child.SetCapture();
    child.DestroyWindow();
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(child.Count(WM_CAPTURECHANGED), 1);
}

TEST(MouseTracking, LeaveArrivesOnceAfterTrackingWasRequested)
{
    RecordingWnd host;
    CreateHost(host);
    RecordingWnd child;
    child.watched = {WM_MOUSELEAVE, WM_MOUSEMOVE};
    ASSERT_TRUE(child.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &host, 1));
    QTest::mouseMove(child.m_hWnd, QPoint(10, 10));
    ASSERT_GE(child.Count(WM_MOUSEMOVE), 1);
    const test::Recorded& move = child.messages.back();
    EXPECT_EQ(GET_X_LPARAM(move.lParam), 10);
    EXPECT_EQ(GET_Y_LPARAM(move.lParam), 10);
    TRACKMOUSEEVENT request{sizeof(TRACKMOUSEEVENT), TME_LEAVE, child.m_hWnd, 0};
    EXPECT_TRUE(TrackMouseEvent(&request));
    QTest::mouseMove(host.ClientWidget(), QPoint(150, 150));
    EXPECT_EQ(child.Count(WM_MOUSELEAVE), 1);
    QTest::mouseMove(child.m_hWnd, QPoint(10, 10));
    QTest::mouseMove(host.ClientWidget(), QPoint(150, 150));
    EXPECT_EQ(child.Count(WM_MOUSELEAVE), 1); // not tracked again
}

// Hover looks need moves with no button down, on created windows and on
// widgets made elsewhere and subclassed (their client: a scroll area's viewport).
TEST(MouseTracking, MovesWithoutAButtonReachCreatedAndSubclassedWindows)
{
    RecordingWnd host;
    CreateHost(host, 400, 200);
    QWidget* parent = host.ClientWidget();
    RecordingWnd created;
    ASSERT_TRUE(created.Create("Button", "按钮", WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 30), &host, 1));
    std::vector<QWidget*> foreign = {new QPushButton("外", parent), new QLineEdit(parent), new QComboBox(parent),
                                     new QPlainTextEdit(parent), new QTreeWidget(parent)};
    std::vector<std::unique_ptr<RecordingWnd>> subclassed;
    std::vector<QWidget*> targets = {created.m_hWnd};
    std::vector<RecordingWnd*> windows = {&created};
    int x = 70;
    for (QWidget* widget : foreign) {
        widget->setMouseTracking(false);
        widget->setGeometry(x, 0, 60, 60);
        widget->show();
        x += 65;
        auto wnd = std::make_unique<RecordingWnd>();
        ASSERT_TRUE(wnd->SubclassWindow(widget));
        targets.push_back(wnd->ClientWidget());
        windows.push_back(wnd.get());
        subclassed.push_back(std::move(wnd));
    }
    for (size_t i = 0; i < targets.size(); ++i) {
        RecordingWnd& wnd = *windows[i];
        wnd.watched = {WM_MOUSEMOVE};
        QTest::mouseMove(targets[i], QPoint(12, 14));
        QTest::mouseMove(targets[i], QPoint(15, 16));
        ASSERT_GE(wnd.Count(WM_MOUSEMOVE), 1) << "window " << i;
        const test::Recorded& move = wnd.messages.back();
        EXPECT_EQ(move.wParam & MK_LBUTTON, 0u);
        EXPECT_EQ(GET_X_LPARAM(move.lParam), 15) << "window " << i;
        EXPECT_EQ(GET_Y_LPARAM(move.lParam), 16) << "window " << i;
    }
}

TEST(KeyState, FollowsModifiersAndButtonsOfInput)
{
    RecordingWnd host;
    CreateHost(host);
    RecordingWnd child;
    child.watched = {WM_LBUTTONDOWN};
    ASSERT_TRUE(child.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &host, 1));
    short control = 0;
    short button = 0;
    child.HandleMessage(WM_LBUTTONDOWN, [&](WPARAM w, LPARAM) {
        control = GetKeyState(VK_CONTROL);
        button = GetKeyState(VK_LBUTTON);
        EXPECT_TRUE(w & MK_CONTROL);
        EXPECT_TRUE(w & MK_LBUTTON);
        return 0;
    });
    QTest::mousePress(child.m_hWnd, Qt::LeftButton, Qt::ControlModifier, QPoint(5, 5));
    EXPECT_LT(control, 0);
    EXPECT_LT(button, 0);
    QTest::mouseRelease(child.m_hWnd, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    POINT cursor;
    GetCursorPos(&cursor);
    CPoint expected(5, 5);
    child.ClientToScreen(&expected);
    EXPECT_EQ(cursor.x, expected.x);
    EXPECT_EQ(cursor.y, expected.y);
    EXPECT_GT(GetSystemMetrics(SM_CXSCREEN), 0);
    EXPECT_GT(GetSystemMetrics(SM_CYSCREEN), 0);
}

} // namespace
} // namespace vesk
