// Buttons by style, owner-drawn buttons, statics, combo and tab messages,
// tooltips.
#include "test_windows.h"

#include <QLabel>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

namespace vesk {
namespace {

using test::CreateHost;

struct Buttons : ::testing::Test {
    CWnd host;
    void SetUp() override { CreateHost(host); }
};

TEST_F(Buttons, AutoCheckBoxTogglesBeforeTheParentHearsOthersNever)
{
    CButton automatic;
    CButton manual;
    ASSERT_TRUE(automatic.Create("a", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 0, 80, 20), &host, 1));
    ASSERT_TRUE(manual.Create("m", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, CRect(0, 30, 80, 50), &host, 2));
    int seenWhenClicked = -1;
    host.HandleCommand(1, BN_CLICKED, [&] { seenWhenClicked = automatic.GetCheck(); });
    int manualClicks = 0;
    host.HandleCommand(2, BN_CLICKED, [&] { ++manualClicks; });
    QTest::mouseClick(automatic.m_hWnd, Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_EQ(seenWhenClicked, BST_CHECKED);
    QTest::mouseClick(manual.m_hWnd, Qt::LeftButton, {}, QPoint(5, 10));
    EXPECT_EQ(manualClicks, 1);
    EXPECT_EQ(manual.GetCheck(), BST_UNCHECKED);
    manual.SetCheck(BST_CHECKED);
    EXPECT_EQ(manual.GetCheck(), BST_CHECKED);
    EXPECT_EQ(host.IsDlgButtonChecked(2), static_cast<UINT>(BST_CHECKED));
}

// Records what DrawItem is asked to draw.
class OwnerButton : public CButton {
public:
    std::vector<UINT> states;
    void PreSubclassWindow() override { ModifyStyle(0x1F, BS_OWNERDRAW, SWP_FRAMECHANGED); }
    void DrawItem(DRAWITEMSTRUCT* item) override
    {
        states.push_back(item->itemState);
        CDC* dc = CDC::FromHandle(item->hDC);
        dc->FillSolidRect(item->rcItem, (item->itemState & ODS_SELECTED) ? RGB(0, 255, 0) : RGB(255, 0, 255));
    }
};

TEST_F(Buttons, OwnerDrawnButtonPaintsThroughDrawItemAndNeverToggles)
{
    CButton plain;
    ASSERT_TRUE(plain.Create("勾选", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 0, 80, 24), &host, 3));
    plain.UnsubclassWindow();
    OwnerButton button;
    ASSERT_TRUE(button.SubclassDlgItem(3, &host));
    EXPECT_EQ(button.GetButtonStyle() & BS_TYPEMASK, BS_OWNERDRAW);
    const QImage idle = button.m_hWnd->grab().toImage();
    EXPECT_EQ(idle.pixelColor(40, 12), QColor(255, 0, 255));
    ASSERT_FALSE(button.states.empty());
    EXPECT_FALSE(button.states.back() & ODS_SELECTED);

    int clicks = 0;
    host.HandleCommand(3, BN_CLICKED, [&] { ++clicks; });
    QTest::mousePress(button.m_hWnd, Qt::LeftButton, {}, QPoint(70, 20)); // outside a check box's label
    const QImage pressed = button.m_hWnd->grab().toImage();
    EXPECT_EQ(pressed.pixelColor(40, 12), QColor(0, 255, 0));
    QTest::mouseRelease(button.m_hWnd, Qt::LeftButton, {}, QPoint(70, 20));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.GetCheck(), BST_UNCHECKED);
    button.m_hWnd->setFocus();
    QTest::keyClick(button.m_hWnd, Qt::Key_Space);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(button.GetCheck(), BST_UNCHECKED);
    button.EnableWindow(FALSE);
    (void)button.m_hWnd->grab();
    EXPECT_TRUE(button.states.back() & ODS_DISABLED);
}

TEST_F(Buttons, FontAndTextTravelAsMessages)
{
    CButton button;
    ASSERT_TRUE(button.Create("组号", WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 24), &host, 4));
    EXPECT_EQ(button.GetWindowText(), "组号");
    EXPECT_EQ(button.GetWindowTextLength(), 6);
    CFont font;
    font.CreatePointFont(90, "宋体");
    button.SetFont(&font);
    EXPECT_EQ(button.GetFont()->m_hObject, font.m_hObject);
    EXPECT_EQ(button.m_hWnd->font().pointSize(), 9);
}

TEST(Statics, AmpersandMarksAreKeptInTheTextNotShown)
{
    CWnd host;
    CreateHost(host);
    CStatic label;
    ASSERT_TRUE(label.Create("保存(&V) && 退出", WS_CHILD | WS_VISIBLE, CRect(0, 0, 150, 20), &host, 5));
    EXPECT_EQ(label.GetWindowText(), "保存(&V) && 退出");
    EXPECT_EQ(static_cast<QLabel*>(label.m_hWnd)->text(), QStringLiteral("保存(V) & 退出"));
}

TEST(ComboMessages, ListOperationsAnswerLikeTheSystemControl)
{
    CWnd host;
    CreateHost(host);
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_SORT, CRect(0, 0, 100, 20), &host, 6));
    EXPECT_EQ(combo.AddString("b"), 0);
    EXPECT_EQ(combo.AddString("a"), 0); // sorted
    EXPECT_EQ(combo.AddString("c"), 2);
    EXPECT_EQ(combo.GetLBText(1), "b");
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(combo.SetCurSel(5), CB_ERR);
    EXPECT_EQ(combo.SetCurSel(2), 2);
    EXPECT_EQ(combo.GetWindowText(), "c");
    EXPECT_EQ(combo.FindStringExact(-1, "B"), 1);
    EXPECT_EQ(combo.FindStringExact(-1, "z"), CB_ERR);
    EXPECT_EQ(combo.SetItemData(1, 99), 0);
    EXPECT_EQ(combo.GetItemData(1), 99u);
    EXPECT_EQ(combo.GetLBTextLen(7), CB_ERR);
    EXPECT_EQ(combo.DeleteString(0), 2);
    EXPECT_EQ(combo.GetCurSel(), 1); // "c" moved up
    EXPECT_EQ(combo.DeleteString(1), 1);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(combo.DeleteString(9), CB_ERR);
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
}

TEST(TabMessages, ItemsRectanglesAndDisplayArea)
{
    CWnd host;
    CreateHost(host);
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 120), &host, 7));
    EXPECT_EQ(tabs.GetCurSel(), -1);
    EXPECT_EQ(tabs.InsertItem(0, "号码统计"), 0);
    EXPECT_EQ(tabs.InsertItem(1, "编辑器"), 1);
    EXPECT_EQ(tabs.GetItemCount(), 2);
    EXPECT_EQ(tabs.GetCurSel(), 0);
    EXPECT_EQ(tabs.GetItemText(1), "编辑器");
    CRect first;
    CRect second;
    ASSERT_TRUE(tabs.GetItemRect(0, &first));
    ASSERT_TRUE(tabs.GetItemRect(1, &second));
    EXPECT_EQ(first.right, second.left);
    // As the system lays them out: a 2-pixel margin, heads about 20 high.
    EXPECT_EQ(first.left, 2);
    EXPECT_EQ(first.top, 2);
    EXPECT_EQ(second.top, 2);
    EXPECT_GE(first.Height(), 16);
    EXPECT_LE(first.Height(), 20);
    EXPECT_GT(first.Width(), 40) << "room for the text and padding";
    EXPECT_FALSE(tabs.GetItemRect(2, &second));
    CRect area(0, 0, 200, 120);
    tabs.AdjustRect(FALSE, &area);
    EXPECT_GE(area.top, first.bottom);
    CRect back = area;
    tabs.AdjustRect(TRUE, &back);
    EXPECT_EQ(back, CRect(0, 0, 200, 120));
    EXPECT_EQ(tabs.SetCurSel(4), -1);
    EXPECT_TRUE(tabs.DeleteItem(0));
    EXPECT_EQ(tabs.GetItemText(0), "编辑器");
}

TEST(ToolTips, ShowAfterTheInitialDelayWhileActive)
{
    CWnd host;
    CreateHost(host);
    CButton button;
    ASSERT_TRUE(button.Create("b", WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 20), &host, 8));
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&button, TTS_BALLOON));
    tip.SendMessage(TTM_ACTIVATE, TRUE);
    tip.SendMessage(TTM_SETMAXTIPWIDTH, 0, 400);
    tip.SendMessage(TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(20, 0));
    EXPECT_EQ(tip.SendMessage(TTM_GETTOOLCOUNT), 0);
    CRect client;
    button.GetClientRect(&client);
    ASSERT_TRUE(tip.AddTool(&button, "打开文件", &client, 1));
    EXPECT_EQ(tip.SendMessage(TTM_GETTOOLCOUNT), 1);
    MSG move;
    move.hwnd = button.m_hWnd;
    move.message = WM_MOUSEMOVE;
    move.lParam = MakePointLParam(5, 5);
    tip.SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
    EXPECT_EQ(tip.VisibleText(), "");
    EXPECT_TRUE(QTest::qWaitFor([&] { return tip.VisibleText() == "打开文件"; }, 1000));
    MSG press = move;
    press.message = WM_LBUTTONDOWN;
    tip.RelayEvent(&press);
    EXPECT_EQ(tip.VisibleText(), "");
    tip.Activate(FALSE);
    tip.RelayEvent(&move);
    QTest::qWait(60);
    EXPECT_EQ(tip.VisibleText(), "");
    tip.UpdateTipText("保存", &button, 1);
    EXPECT_EQ(tip.GetText(&button, 1), "保存");
}

} // namespace
} // namespace vesk
