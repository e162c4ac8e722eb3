#include "framework/pre_translate.h"
#include "skin/base_combo_box.h"
#include "skin/base_edit.h"
#include "skin/base_tab_ctrl.h"
#include "skin/focus_message.h"
#include "skin/geometry/combo_look.h"
#include "skin/geometry/tab_layout.h"
#include "tests/skin/skin_test_support.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace vesk;
using namespace skintest;

constexpr int kTab = 2001;
constexpr int kEmptyTab = 2002;
constexpr int kCombo = 2003;
constexpr int kEdit = 2004;

class SkinControls : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseGeneratedSkins();
        const DialogTemplate dialog = Popup(300, 200,
            {Control(kTab, "SysTabControl32", "", 5, 5, 150, 80),
             Control(kEmptyTab, "SysTabControl32", "", 160, 5, 60, 40),
             Control(kCombo, "ComboBox", "", 5, 100, 80, 60, CBS_DROPDOWNLIST),
             Control(kEdit, "Edit", "", 5, 130, 80, 14, ES_AUTOHSCROLL)});
        ASSERT_TRUE(host.CreateWith(dialog));
        ASSERT_TRUE(tab.SubclassDlgItem(kTab, &host));
        ASSERT_TRUE(emptyTab.SubclassDlgItem(kEmptyTab, &host));
        ASSERT_TRUE(combo.SubclassDlgItem(kCombo, &host));
        ASSERT_TRUE(edit.SubclassDlgItem(kEdit, &host));
        tab.InsertItem(0, "缩水器");
        tab.InsertItem(1, "暂存区");
        combo.AddString("自定义");
        combo.AddString("全部");
        Settle();
    }

    GeneratedSkins skins;
    RecordingDialog host;
    CBaseTabCtrl tab;
    CBaseTabCtrl emptyTab;
    CBaseComboBox combo;
    CBaseEdit edit;
};

TEST_F(SkinControls, TabWithoutTabsPaintsOnlyItsBackground)
{
    const QImage shown = Grab(emptyTab.m_hWnd);
    for (int y = 0; y < shown.height(); y += 3)
        for (int x = 0; x < shown.width(); x += 3)
            ASSERT_EQ(PixelOf(shown, x, y), QColor(250, 252, 254)) << x << "," << y;
}

TEST_F(SkinControls, TabHeadsUseTheirCellsAndTheFrameIsDrawn)
{
    tab.SetCurSel(1);
    const QImage shown = Grab(tab.m_hWnd);
    const QImage heads = SkinImage("TabHead.bmp");
    RECT other{};
    RECT selected{};
    tab.GetItemRect(0, &other);
    tab.GetItemRect(1, &selected);
    const Rect otherHead = skin::tabHeadRect(other, false);
    const Rect selectedHead = skin::tabHeadRect(selected, true);
    // Below the text, at a body column.
    const int bodyX = otherHead.left + 4;
    EXPECT_EQ(PixelOf(shown, bodyX, otherHead.top + 1), heads.pixelColor(7 + 3, 1));
    EXPECT_EQ(PixelOf(shown, otherHead.left, otherHead.top + 5), heads.pixelColor(7, 5)) << "left cap";
    EXPECT_EQ(PixelOf(shown, selectedHead.left + 4, selectedHead.top + 1), heads.pixelColor(3, 1));
    // The heads stand 2 pixels below the top, the selected one 2 pixels higher.
    ASSERT_EQ(other.top, 2);
    ASSERT_EQ(selected.top, 2);
    EXPECT_EQ(PixelOf(shown, selected.left + 4, 0), heads.pixelColor(3, 0)) << "the raised head's top line";
    EXPECT_EQ(PixelOf(shown, selected.left + 4, 1), heads.pixelColor(3, 1));
    EXPECT_EQ(PixelOf(shown, other.left + 4, 1), QColor(250, 252, 254)) << "the other head starts lower";
    EXPECT_EQ(PixelOf(shown, other.left + 4, 2), heads.pixelColor(10, 0));
    const int frameTop = selected.bottom;
    EXPECT_EQ(PixelOf(shown, shown.width() - 1, frameTop + 20), QColor(122, 153, 207)) << "page frame";
}

// A container gives its tab control a strip 20 pixels high: the heads fit it.
TEST_F(SkinControls, TabHeadsFitATwentyPixelStrip)
{
    tab.MoveWindow(0, 0, 200, 20);
    tab.SetCurSel(0);
    Settle();
    const QImage shown = Grab(tab.m_hWnd);
    const QImage heads = SkinImage("TabHead.bmp");
    RECT other{};
    tab.GetItemRect(1, &other);
    ASSERT_LE(other.bottom, 20);
    const int rows = other.bottom - other.top;
    EXPECT_GE(rows, 16) << "heads about 20 pixels high";
    EXPECT_EQ(PixelOf(shown, other.left + 4, other.bottom - 1), heads.pixelColor(10, rows - 1)) << "the head's last row shows";
    EXPECT_EQ(PixelOf(shown, other.left + 4, other.top), heads.pixelColor(10, 0));
}

TEST_F(SkinControls, ComboButtonColoursFollowHoverAndDropDown)
{
    CRect client;
    combo.GetClientRect(&client);
    const Rect button = skin::comboButtonRect(client);
    auto fill = [&] { return PixelOf(Grab(combo.m_hWnd), button.right - 3, button.top + 2); };
    EXPECT_EQ(fill(), Rgb(0xC8D0D4));
    QTest::mouseMove(combo.m_hWnd, QPoint(10, 5));
    Settle();
    EXPECT_EQ(fill(), Rgb(0xD8B9AD));
    combo.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(fill(), Rgb(0xC8D0D4));

    host.reports.clear();
    combo.ShowDropDown(TRUE);
    Settle();
    EXPECT_TRUE(combo.IsDropped());
    EXPECT_EQ(fill(), Rgb(0xC48A73)) << "dropped colours even with the mouse elsewhere";
    combo.ShowDropDown(FALSE);
    Settle();
    EXPECT_FALSE(combo.IsDropped());
    EXPECT_EQ(fill(), Rgb(0xC8D0D4));
    bool parentSawDropDown = false;
    bool parentSawCloseUp = false;
    for (const Report& r : host.reports) {
        parentSawDropDown |= r.message == WM_COMMAND && r.code == CBN_DROPDOWN;
        parentSawCloseUp |= r.message == WM_COMMAND && r.code == CBN_CLOSEUP;
    }
    EXPECT_TRUE(parentSawDropDown);
    EXPECT_TRUE(parentSawCloseUp);
    EXPECT_EQ(PixelOf(Grab(combo.m_hWnd), 0, 5), QColor(112, 112, 112)) << "outer frame";
}

TEST_F(SkinControls, ComboSetCurSelRepaintsAndReturnsTheMessageResult)
{
    EXPECT_EQ(combo.SetCurSel(1), 1);
    EXPECT_EQ(combo.GetCurSel(), 1);
    EXPECT_EQ(combo.SetCurSel(7), CB_ERR);
}

class SkinEdit : public SkinControls {
protected:
    PreTranslateFilter filter; // offers key presses to the windows, as the host does
};

TEST_F(SkinEdit, AllowedSetDropsOtherCharacters)
{
    edit.SetAllowedChars("0123456789");
    edit.SetFocus();
    QTest::keyClicks(edit.m_hWnd, "1a2b3");
    EXPECT_EQ(edit.GetWindowText(), "123");
    QTest::keyClick(edit.m_hWnd, Qt::Key_Backspace);
    EXPECT_EQ(edit.GetWindowText(), "12") << "backspace always passes";
}

TEST_F(SkinEdit, CapitalsInTheSetAdmitSmallLetters)
{
    edit.SetAllowedChars("ABC");
    edit.SetFocus();
    QTest::keyClicks(edit.m_hWnd, "abxC");
    EXPECT_EQ(edit.GetWindowText(), "abC");
}

TEST_F(SkinEdit, CtrlASelectsEverything)
{
    edit.SetWindowText("123 456");
    edit.SetFocus();
    edit.SetSel(2, 2);
    QTest::keyClick(edit.m_hWnd, Qt::Key_A, Qt::ControlModifier);
    int start = -1;
    int end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 7);
}

TEST_F(SkinEdit, FocusedMouseMovesNotifyTheDialog)
{
    std::vector<WPARAM> ids;
    host.HandleMessage(WM_EDIT_FOCUS_MOVE, [&](WPARAM wParam, LPARAM) {
        ids.push_back(wParam);
        return LRESULT{0};
    });
    QTest::mouseMove(edit.m_hWnd, QPoint(5, 5));
    EXPECT_TRUE(ids.empty());
    edit.SetFocus();
    QTest::mouseMove(edit.m_hWnd, QPoint(6, 5));
    ASSERT_EQ(ids.size(), 1u);
    EXPECT_EQ(ids[0], static_cast<WPARAM>(kEdit));
}

TEST_F(SkinEdit, FrameColourShowsTheEnabledState)
{
    edit.SendMessage(WM_NCPAINT);
    EXPECT_EQ(PixelOf(Grab(edit.m_hWnd), 0, 5), Rgb(CBaseEdit::kEnabledFrame));
    edit.EnableWindow(FALSE);
    EXPECT_EQ(PixelOf(Grab(edit.m_hWnd), 0, 5), Rgb(CBaseEdit::kDisabledFrame));
}

} // namespace
