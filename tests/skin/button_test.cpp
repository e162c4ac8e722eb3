#include "skin/base_button.h"
#include "skin/base_check_box.h"
#include "skin/base_group_box.h"
#include "skin/base_radio.h"
#include "tests/skin/skin_test_support.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace vesk;
using namespace skintest;

constexpr int kButton = 1001;
constexpr int kCheck = 1002;
constexpr int kRadio = 1003;
constexpr int kGroup = 1004;
constexpr int kInside = 1005;

class SkinButtons : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseGeneratedSkins();
        // The control inside the group box comes first, so the group box lies
        // above it: only the ring region lets clicks through to it.
        const DialogTemplate dialog = Popup(300, 200,
            {Control(kInside, "Button", "内部", 120, 40, 60, 14),
             Control(kButton, "Button", "确定", 10, 10, 60, 14),
             Control(kCheck, "Button", "保留", 10, 30, 60, 12, BS_AUTOCHECKBOX),
             Control(kRadio, "Button", "单选", 10, 50, 60, 12, BS_AUTORADIOBUTTON),
             Control(kGroup, "Button", "分组", 100, 10, 120, 100, BS_GROUPBOX)});
        ASSERT_TRUE(host.CreateWith(dialog));
        white.Attach(LoadBitmapFile("Skin\\WhiteBtn.bmp"));
        checkImage.Attach(LoadBitmapFile("Skin\\Checked.bmp"));
        ASSERT_TRUE(white.GetSafeHandle());
        ASSERT_TRUE(button.SubclassDlgItem(kButton, &host));
        ASSERT_TRUE(check.SubclassDlgItem(kCheck, &host));
        ASSERT_TRUE(radio.SubclassDlgItem(kRadio, &host));
        ASSERT_TRUE(group.SubclassDlgItem(kGroup, &host));
        button.MoveWindow(10, 10, 80, 24);
        button.SetSkin(white);
        check.MoveWindow(10, 40, 80, 16);
        check.SetCheckImage(checkImage);
        radio.MoveWindow(10, 60, 80, 16);
        radio.SetImage(checkImage);
        Settle();
    }

    // The strip column shown at x of a button of width w in the given cell.
    static int StripColumn(int x, int w, int cellX)
    {
        if (x < 3)
            return cellX + x;
        if (x >= w - 3)
            return cellX + 4 + (x - (w - 3));
        return cellX + 3;
    }

    void ExpectStripCell(int cellX, const char* state)
    {
        const QImage shown = Grab(button.m_hWnd);
        const QImage strip = SkinImage("WhiteBtn.bmp");
        const int w = shown.width();
        for (int x : {0, 1, 2, 3, 20, w - 4, w - 3, w - 2, w - 1})
            for (int y : {0, 1, 12, 22, 23})
                ASSERT_EQ(PixelOf(shown, x, y), strip.pixelColor(StripColumn(x, w, cellX), y))
                    << state << " at " << x << "," << y;
    }

    RecordingDialog host;
    CBitmap white;
    CBitmap checkImage;
    CBaseButton button;
    CBaseCheckBox check;
    CBaseRadio radio;
    CBaseGroupBox group;
};

TEST_F(SkinButtons, StripCellFollowsTheButtonState)
{
    ExpectStripCell(0, "normal");
    QTest::mouseMove(button.m_hWnd, QPoint(70, 4));
    Settle();
    ASSERT_TRUE(button.IsHot());
    ExpectStripCell(7, "hot");
    QTest::mousePress(button.m_hWnd, Qt::LeftButton, {}, QPoint(70, 4));
    ExpectStripCell(14, "pressed");
    QTest::mouseRelease(button.m_hWnd, Qt::LeftButton, {}, QPoint(70, 4));
    button.EnableWindow(FALSE);
    ExpectStripCell(21, "disabled");
}

TEST_F(SkinButtons, NarrowButtonShowsBothCapsAndNoBody)
{
    button.SetWindowText("");
    button.MoveWindow(10, 10, 5, 24);
    const QImage shown = Grab(button.m_hWnd);
    const QImage strip = SkinImage("WhiteBtn.bmp");
    ASSERT_EQ(shown.width(), 5);
    EXPECT_EQ(PixelOf(shown, 0, 10), strip.pixelColor(0, 10));
    EXPECT_EQ(PixelOf(shown, 1, 10), strip.pixelColor(1, 10));
    for (int x = 2; x < 5; ++x)
        EXPECT_EQ(PixelOf(shown, x, 0), strip.pixelColor(4 + x - 2, 0)) << x;
}

TEST_F(SkinButtons, StripLowerThanTheButtonLeavesWhiteBelow)
{
    button.MoveWindow(10, 10, 80, 30);
    const QImage shown = Grab(button.m_hWnd);
    EXPECT_EQ(PixelOf(shown, 40, 28), QColor(Qt::white));
}

TEST_F(SkinButtons, PressingEndsTheHotLookUntilTheMouseMovesFreely)
{
    QTest::mouseMove(button.m_hWnd, QPoint(40, 10));
    Settle();
    ASSERT_TRUE(button.IsHot());
    QTest::mousePress(button.m_hWnd, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_FALSE(button.IsHot());
    QTest::mouseRelease(button.m_hWnd, Qt::LeftButton, {}, QPoint(40, 10));
    QTest::mouseMove(button.m_hWnd, QPoint(41, 10));
    Settle();
    EXPECT_TRUE(button.IsHot());
}

TEST_F(SkinButtons, IconIsMaskedAndPlacedBesideTextOrCentred)
{
    CBitmap icon;
    icon.Attach(LoadBitmapFile("Skin\\EditSave.bmp"));
    const QImage original = SkinImage("EditSave.bmp");
    button.SetIcon(icon, RGB(255, 0, 255));
    EXPECT_EQ(icon.GetImage(), original) << "the lent icon stays intact for the other buttons it serves";

    auto expectIconAt = [&](int left, int top) {
        const QImage shown = Grab(button.m_hWnd);
        const QImage strip = SkinImage("WhiteBtn.bmp");
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const QColor want = original.pixelColor(x, y) == QColor(255, 0, 255)
                                        ? strip.pixelColor(StripColumn(left + x, 80, 0), top + y)
                                        : original.pixelColor(x, y);
                ASSERT_EQ(PixelOf(shown, left + x, top + y), want) << x << "," << y;
            }
        }
    };
    expectIconAt(8, 4);
    button.SetWindowText("");
    button.Invalidate();
    expectIconAt(32, 4);
    CBaseButton second;
    ASSERT_TRUE(second.SubclassDlgItem(kInside, &host));
    second.SetSkin(white);
    second.SetIcon(icon);
    button.SetIcon(icon); // lent again: the key must still be found
    expectIconAt(32, 4);
}

TEST_F(SkinButtons, TooltipHasOneToolWhoseTextFollowsTheLastCall)
{
    button.SetTooltip("打开号码文件", TRUE);
    button.SetTooltip("保存号码文件", FALSE);
    CToolTipCtrl* tip = button.Tooltip();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->GetToolCount(), 1);
    EXPECT_EQ(tip->GetText(&button, 1), "保存号码文件");
    EXPECT_FALSE(tip->IsActive());
    EXPECT_EQ(tip->GetDelayTime(TTDT_INITIAL), 200);
}

TEST_F(SkinButtons, CheckBoxTogglesBeforeItsParentSeesTheClick)
{
    int seen = -1;
    host.onReport = [&](const Report& r) {
        if (r.message == WM_COMMAND && r.value == kCheck && r.code == BN_CLICKED)
            seen = check.GetCheck();
    };
    QTest::mouseClick(check.m_hWnd, Qt::LeftButton, {}, QPoint(5, 8));
    Settle();
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(check.GetCheck(), 1);
    QTest::mouseClick(check.m_hWnd, Qt::LeftButton, {}, QPoint(5, 8));
    Settle();
    EXPECT_EQ(seen, 0);
}

TEST_F(SkinButtons, CheckBoxSpaceBarClicksWithoutToggling)
{
    check.SetFocus();
    host.reports.clear();
    QTest::keyClick(check.m_hWnd, Qt::Key_Space);
    Settle();
    ASSERT_EQ(host.reports.size(), 1u);
    EXPECT_EQ(host.reports[0].code, BN_CLICKED);
    EXPECT_EQ(check.GetCheck(), 0);
}

TEST_F(SkinButtons, CheckBoxRepaintsOnlyOnAChange)
{
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } counter;
    Settle();
    check.m_hWnd->installEventFilter(&counter);
    check.SetCheck(0);
    Settle();
    EXPECT_EQ(counter.paints, 0);
    check.SetCheck(1);
    Settle();
    EXPECT_GT(counter.paints, 0);
    check.m_hWnd->removeEventFilter(&counter);
}

TEST_F(SkinButtons, CheckImageCellsAndDisabledLook)
{
    const QImage cells = SkinImage("Checked.bmp");
    const int cell = cells.width() / 2;
    const int top = (16 - cells.height()) / 2;
    const QImage off = Grab(check.m_hWnd);
    check.SetCheck(1);
    const QImage on = Grab(check.m_hWnd);
    for (int y = 0; y < cells.height(); ++y) {
        for (int x = 0; x < cell; ++x) {
            ASSERT_EQ(PixelOf(off, x, top + y), cells.pixelColor(x, y));
            ASSERT_EQ(PixelOf(on, x, top + y), cells.pixelColor(cell + x, y));
        }
    }
    check.EnableWindow(FALSE);
    const QImage disabledOn = Grab(check.m_hWnd);
    check.SetCheck(0);
    const QImage disabledOff = Grab(check.m_hWnd);
    EXPECT_EQ(disabledOn, disabledOff) << "a disabled box shows the off cell whatever its state";
    EXPECT_NE(disabledOff.copy(0, 0, cell, 16), off.copy(0, 0, cell, 16)) << "and shows it greyed";
}

TEST_F(SkinButtons, RadioChangesOnlyWhenItsParentSetsIt)
{
    QTest::mouseClick(radio.m_hWnd, Qt::LeftButton, {}, QPoint(5, 8));
    Settle();
    EXPECT_EQ(radio.GetCheck(), 0);
    ASSERT_FALSE(host.reports.empty());
    EXPECT_EQ(host.reports.back().value, kRadio);
    radio.SetCheck(1);
    EXPECT_EQ(radio.GetCheck(), 1);
}

TEST_F(SkinButtons, GroupBoxOwnsOnlyTheBandOfItsFrameAndCaption)
{
    CRect box;
    group.GetWindowRect(&box);
    CRgn region;
    region.CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(group.GetWindowRgn(region), RGN_ERROR);
    EXPECT_TRUE(region.PtInRegion(0, 0));
    EXPECT_TRUE(region.PtInRegion(10, 6)) << "the frame's top edge";
    EXPECT_TRUE(region.PtInRegion(9, 8)) << "the caption";
    EXPECT_TRUE(region.PtInRegion(2, box.Height() - 3)) << "a rounded corner";
    EXPECT_TRUE(region.PtInRegion(box.Width() - 1, box.Height() / 2));
    EXPECT_FALSE(region.PtInRegion(box.Width() / 2, box.Height() / 2));
    EXPECT_FALSE(region.PtInRegion(4, box.Height() - 5));

    // The caption and the frame's top edge show.
    const QImage shown = group.m_hWnd->grab().toImage();
    bool captionInk = false;
    for (int x = 8; x < 40 && !captionInk; ++x)
        for (int y = 1; y < 11 && !captionInk; ++y)
            captionInk = shown.pixelColor(x, y).blue() > 150 && shown.pixelColor(x, y).red() < 100;
    EXPECT_TRUE(captionInk);
    EXPECT_EQ(shown.pixelColor(box.Width() - 20, 6), QColor(204, 204, 204));

    CWnd* inside = host.GetDlgItem(kInside);
    ASSERT_NE(inside, nullptr);
    CRect insideRect;
    inside->GetWindowRect(&insideRect);
    POINT centre{insideRect.CenterPoint().x, insideRect.CenterPoint().y};
    QWidget* client = host.Client();
    const QPoint local = client->mapFromGlobal(QPoint(centre.x, centre.y));
    EXPECT_EQ(client->childAt(local), inside->m_hWnd) << "clicks inside the ring reach the control there";
}

} // namespace
