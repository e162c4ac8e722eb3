// Messages between windows: commands and notifications from controls with
// their ids and codes, send and post order, handlers and default handling.
#include "test_windows.h"

#include "framework/window_message_event.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

namespace vesk {
namespace {

using test::CreateHost;
using test::Pump;
using test::RecordingWnd;

struct Notice {
    UINT id;
    UINT code;
};

// A parent that keeps the WM_COMMAND and WM_NOTIFY it receives.
class NoticeParent : public CWnd {
public:
    std::vector<Notice> notices;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND)
            notices.push_back({LOWORD(wParam), HIWORD(wParam)});
        if (message == WM_NOTIFY) {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            notices.push_back({static_cast<UINT>(header->idFrom), header->code});
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

bool Has(const std::vector<Notice>& notices, UINT id, UINT code)
{
    return std::any_of(notices.begin(), notices.end(), [&](const Notice& n) { return n.id == id && n.code == code; });
}

TEST(ControlNotifications, ClicksAndChangesReachTheParentWithIdAndCode)
{
    NoticeParent parent;
    CreateHost(parent);
    CButton button;
    ASSERT_TRUE(button.Create("OK", WS_CHILD | WS_VISIBLE, CRect(10, 10, 80, 40), &parent, 42));
    QTest::mouseClick(button.m_hWnd, Qt::LeftButton);
    EXPECT_TRUE(Has(parent.notices, 42, BN_CLICKED));

    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 50, 150, 70), &parent, 43));
    parent.notices.clear();
    QTest::keyClick(edit.m_hWnd, Qt::Key_5);
    ASSERT_EQ(parent.notices.size(), 2u);
    EXPECT_EQ(parent.notices[0].code, EN_UPDATE);
    EXPECT_EQ(parent.notices[1].code, EN_CHANGE);
    EXPECT_EQ(parent.notices[1].id, 43u);
}

TEST(ControlNotifications, ProgramChangesOfComboAndTabSendNoSelectionNotice)
{
    NoticeParent parent;
    CreateHost(parent);
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 120, 30), &parent, 50));
    combo.AddString("一");
    combo.AddString("二");
    combo.SetCurSel(1);
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE, CRect(10, 40, 280, 150), &parent, 51));
    tabs.InsertItem(0, "结果");
    tabs.InsertItem(1, "暂存");
    EXPECT_EQ(tabs.SetCurSel(1), 0);
    EXPECT_TRUE(parent.notices.empty());

    // The user's choices do notify.
    static_cast<QComboBox*>(combo.m_hWnd)->activated(0);
    static_cast<QComboBox*>(combo.m_hWnd)->setCurrentIndex(0);
    EXPECT_TRUE(Has(parent.notices, 50, CBN_SELCHANGE));
    auto* bar = static_cast<QTabBar*>(tabs.m_hWnd);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    EXPECT_TRUE(Has(parent.notices, 51, TCN_SELCHANGING));
    EXPECT_TRUE(Has(parent.notices, 51, TCN_SELCHANGE));
    EXPECT_EQ(tabs.GetCurSel(), 0);
}

TEST(ControlNotifications, ComboReportsDropDownAndCloseUp)
{
    NoticeParent parent;
    CreateHost(parent);
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 10, 120, 30), &parent, 60));
    combo.AddString("a");
    combo.ShowDropDown(TRUE);
    EXPECT_TRUE(combo.GetDroppedState());
    combo.ShowDropDown(FALSE);
    EXPECT_FALSE(combo.GetDroppedState());
    ASSERT_GE(parent.notices.size(), 2u);
    EXPECT_EQ(parent.notices[0].code, CBN_DROPDOWN);
    EXPECT_EQ(parent.notices[1].code, CBN_CLOSEUP);
}

// A control that handles its own notification first and may keep it.
class ReflectingButton : public CButton {
public:
    bool keep = false;
    int seen = 0;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override
    {
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
            ++seen;
            return keep;
        }
        return CButton::OnChildNotify(message, wParam, lParam, result);
    }
};

TEST(ControlNotifications, ControlSeesItsNotificationBeforeTheParent)
{
    CWnd parent;
    CreateHost(parent);
    int parentSaw = 0;
    parent.HandleCommand(7, BN_CLICKED, [&] { ++parentSaw; });
    ReflectingButton button;
    ASSERT_TRUE(button.Create("b", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &parent, 7));
    QTest::mouseClick(button.m_hWnd, Qt::LeftButton);
    EXPECT_EQ(button.seen, 1);
    EXPECT_EQ(parentSaw, 1);
    button.keep = true;
    QTest::mouseClick(button.m_hWnd, Qt::LeftButton);
    EXPECT_EQ(button.seen, 2);
    EXPECT_EQ(parentSaw, 1);
}

TEST(SendAndPost, SentMessagesRunAtOncePostedOnesInOrderLater)
{
    RecordingWnd wnd;
    wnd.watched = {WM_USER + 1, WM_USER + 2, WM_USER + 3};
    CreateHost(wnd);
    wnd.PostMessage(WM_USER + 1, 1);
    wnd.PostMessage(WM_USER + 2, 2);
    wnd.SendMessage(WM_USER + 3, 3);
    ASSERT_EQ(wnd.messages.size(), 1u);
    EXPECT_EQ(wnd.messages[0].message, WM_USER + 3);
    Pump();
    ASSERT_EQ(wnd.messages.size(), 3u);
    EXPECT_EQ(wnd.messages[1].message, WM_USER + 1);
    EXPECT_EQ(wnd.messages[2].message, WM_USER + 2);
}

TEST(SendAndPost, PostToADestroyedWindowIsDropped)
{
    auto wnd = std::make_unique<RecordingWnd>();
    CreateHost(*wnd);
    wnd->PostMessage(WM_USER + 9);
    wnd->DestroyWindow();
    wnd.reset();
    Pump(); // must not reach the deleted object
    SUCCEED();
}

TEST(SendAndPost, PlainWidgetAnswersThroughTheMessageEvent)
{
    class HostArea : public QWidget {
    public:
        std::vector<UINT> seen;

    protected:
        bool event(QEvent* e) override
        {
            if (e->type() == WindowMessageEvent::EventType()) {
                auto* m = static_cast<WindowMessageEvent*>(e);
                seen.push_back(m->message);
                m->result = 77;
                return true;
            }
            return QWidget::event(e);
        }
    } area;
    EXPECT_EQ(SendMessage(&area, WM_USER + 101, 1, 0), 77);
    PostMessage(&area, WM_USER + 102, 0, 0);
    Pump();
    ASSERT_EQ(area.seen.size(), 2u);
    EXPECT_EQ(area.seen[1], WM_USER + 102);
    // A framework window made a child of a plain widget reaches it as its parent.
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, nullptr, WS_CHILD, CRect(0, 0, 10, 10), CWnd::FromHandle(&area), 3));
    EXPECT_EQ(child.GetParent()->SendMessage(WM_USER + 101), 77);
}

TEST(Handlers, ConsumingAMousePressKeepsItFromTheControl)
{
    class Swallow : public CButton {
    protected:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_LBUTTONDOWN && swallow)
                return 0;
            return CButton::WindowProc(message, wParam, lParam);
        }

    public:
        bool swallow = true;
    };
    CWnd parent;
    CreateHost(parent);
    int clicks = 0;
    parent.HandleCommand(5, BN_CLICKED, [&] { ++clicks; });
    Swallow button;
    ASSERT_TRUE(button.Create("b", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &parent, 5));
    QTest::mouseClick(button.m_hWnd, Qt::LeftButton);
    EXPECT_EQ(clicks, 0);
    button.swallow = false;
    QTest::mouseClick(button.m_hWnd, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST(Handlers, DefaultRunsQtFirstWhenAHandlerAsksForIt)
{
    // WM_CHAR with default handling types the character; a handler that
    // inspects the text after Default() sees it already inserted.
    class Probe : public CEdit {
    public:
        CString seenAfterDefault;
        UINT drop = 0;

    protected:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_CHAR) {
                if (wParam == drop)
                    return 0;
                const LRESULT r = Default();
                seenAfterDefault = GetWindowText();
                return r;
            }
            return CEdit::WindowProc(message, wParam, lParam);
        }
    };
    CWnd parent;
    CreateHost(parent);
    Probe edit;
    edit.drop = 'x';
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &parent, 1));
    edit.m_hWnd->setFocus();
    QTest::keyClicks(edit.m_hWnd, "1x2");
    EXPECT_EQ(edit.GetWindowText(), "12");
    EXPECT_EQ(edit.seenAfterDefault, "12");
}

TEST(Handlers, RegisteredHandlerReplacesTheDefault)
{
    CWnd wnd;
    CreateHost(wnd);
    wnd.HandleMessage(WM_USER + 5, [](WPARAM w, LPARAM l) { return static_cast<LRESULT>(w + l); });
    EXPECT_EQ(wnd.SendMessage(WM_USER + 5, 2, 3), 5);
    int ranged = 0;
    wnd.HandleCommandRange(100, 109, BN_CLICKED, [&](UINT id) { ranged = static_cast<int>(id); });
    wnd.SendMessage(WM_COMMAND, MAKEWPARAM(104, BN_CLICKED), 0);
    EXPECT_EQ(ranged, 104);
}

TEST(Lifetime, DestroySendsDestroyThenNcDestroyAndDetaches)
{
    RecordingWnd parent;
    CreateHost(parent);
    RecordingWnd child;
    ASSERT_TRUE(child.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 9));
    HWND childHandle = child.m_hWnd;
    EXPECT_TRUE(IsWindow(childHandle));
    parent.DestroyWindow();
    EXPECT_EQ(parent.m_hWnd, nullptr);
    EXPECT_EQ(child.m_hWnd, nullptr);
    EXPECT_FALSE(IsWindow(childHandle));
    ASSERT_EQ(child.Count(WM_DESTROY), 1);
    ASSERT_EQ(child.Count(WM_NCDESTROY), 1);
    ASSERT_EQ(parent.Count(WM_DESTROY), 1);
    // The parent learns first, as windows are torn down from the top.
    EXPECT_EQ(parent.messages.back().message, WM_NCDESTROY);
}

TEST(Lifetime, SubclassedControlKeepsItsWidgetWhenTheObjectGoes)
{
    CWnd parent;
    CreateHost(parent);
    CButton made;
    ASSERT_TRUE(made.Create("b", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &parent, 12));
    HWND widget = made.UnsubclassWindow();
    {
        CButton borrowed;
        ASSERT_TRUE(borrowed.SubclassDlgItem(12, &parent));
        EXPECT_EQ(borrowed.m_hWnd, widget);
        EXPECT_EQ(borrowed.GetDlgCtrlID(), 12);
    }
    EXPECT_TRUE(IsWindow(widget));
    EXPECT_EQ(parent.GetDlgItem(12)->m_hWnd, widget);
}

TEST(PreTranslation, WalksFromTheTargetUpItsParents)
{
    class Consumer : public CWnd {
    public:
        std::vector<UINT> seen;
        UINT consume = 0;
        BOOL PreTranslateMessage(MSG* msg) override
        {
            seen.push_back(msg->message);
            return msg->message == consume;
        }
    };
    Consumer parent;
    CreateHost(parent);
    parent.consume = WM_CHAR;
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &parent, 1));
    PreTranslateFilter filter;
    edit.m_hWnd->setFocus();
    QTest::keyClick(edit.m_hWnd, Qt::Key_7);
    // The key down passed, the character was consumed: nothing typed.
    EXPECT_EQ(edit.GetWindowText(), "");
    ASSERT_GE(parent.seen.size(), 2u);
    EXPECT_EQ(parent.seen[0], WM_KEYDOWN);
    EXPECT_EQ(parent.seen[1], WM_CHAR);
}

TEST(PreTranslation, InputOfQtsOwnPopupsIsNotOffered)
{
    CWnd host;
    CreateHost(host);
    QWidget popup(host.ClientWidget(), Qt::Popup);
    QWidget inside(&popup);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    MSG messages[2];
    EXPECT_EQ(MessagesFromEvent(&inside, &key, messages), 0);
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &host, 1));
    ASSERT_EQ(MessagesFromEvent(edit.m_hWnd, &key, messages), 2);
    EXPECT_EQ(messages[0].message, WM_KEYDOWN);
    EXPECT_EQ(messages[0].wParam, static_cast<WPARAM>(VK_RETURN));
    EXPECT_EQ(messages[1].message, WM_CHAR);
    EXPECT_EQ(messages[1].hwnd, edit.m_hWnd);
}

} // namespace
} // namespace vesk

namespace vesk {
namespace {

TEST(Lifetime, WindowThatDeletesItselfInAHandlerIsSafe)
{
    // A modeless window that frees itself once it is gone.
    class SelfOwned : public CWnd {
    public:
        bool* gone;
        explicit SelfOwned(bool* flag) : gone(flag) {}
        void PostNcDestroy() override
        {
            *gone = true;
            delete this;
        }

    protected:
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_KEYDOWN && wParam == VK_ESCAPE) {
                DestroyWindow();
                return 0;
            }
            return CWnd::WindowProc(message, wParam, lParam);
        }
    };
    CWnd host;
    test::CreateHost(host);
    bool gone = false;
    auto* wnd = new SelfOwned(&gone);
    ASSERT_TRUE(wnd->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 20), &host, 1));
    QWidget* widget = wnd->m_hWnd;
    widget->setFocusPolicy(Qt::StrongFocus);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_Escape);
    EXPECT_TRUE(gone);
    test::Pump();
}

} // namespace
} // namespace vesk
