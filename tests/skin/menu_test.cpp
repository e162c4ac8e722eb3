#include "skin/base_menu.h"
#include "skin/geometry/menu_layout.h"
#include "tests/skin/skin_test_support.h"

#include <gtest/gtest.h>

namespace {

using namespace vesk;
using namespace skintest;

class SkinMenu : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(menu.CreatePopupMenu());
        sub.CreatePopupMenu();
        sub.AppendMenu(MF_STRING, 30, "全部");
        menu.AppendMenu(MF_STRING, 10, "保存(&V)...");
        menu.AppendMenu(MF_SEPARATOR);
        menu.AppendMenu(MF_STRING | MF_GRAYED, 11, "删除\tDel");
        menu.AppendMenu(MF_STRING | MF_CHECKED, 12, "排序");
        menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub.Detach()), "转换");
    }

    const CBaseMenu::ItemRecord* RecordAt(HMENU handle, UINT position)
    {
        const MenuItem* item = CMenu::FindItem(handle, position, MF_BYPOSITION);
        return item ? reinterpret_cast<const CBaseMenu::ItemRecord*>(item->itemData) : nullptr;
    }

    QImage Draw(UINT position, UINT state, int w)
    {
        const auto* record = RecordAt(menu, position);
        MEASUREITEMSTRUCT measure;
        measure.CtlType = ODT_MENU;
        measure.itemData = reinterpret_cast<ULONG_PTR>(record);
        menu.MeasureItem(&measure);
        QImage surface(w, static_cast<int>(measure.itemHeight), QImage::Format_RGB32);
        surface.fill(Qt::black);
        CDC dc;
        dc.AttachImage(&surface);
        DRAWITEMSTRUCT draw;
        draw.CtlType = ODT_MENU;
        draw.itemState = state;
        draw.hDC = &dc;
        draw.rcItem = RECT{0, 0, w, static_cast<int>(measure.itemHeight)};
        draw.itemData = reinterpret_cast<ULONG_PTR>(record);
        menu.DrawItem(&draw);
        dc.DeleteDC();
        return surface;
    }

    GeneratedSkins skins;
    CBaseMenu menu;
    CMenu sub;
};

TEST_F(SkinMenu, ConvertsEveryItemOnceKeepingStates)
{
    menu.MakeOwnerDrawn(menu);
    ASSERT_EQ(menu.RecordCount(), 6u) << "five items and the submenu's one";
    for (UINT pos = 0; pos < 5; ++pos)
        EXPECT_TRUE(menu.GetMenuState(pos, MF_BYPOSITION) & MF_OWNERDRAW) << pos;
    EXPECT_TRUE(menu.GetMenuState(2, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_TRUE(menu.GetMenuState(3, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_EQ(RecordAt(menu, 0)->text, "保存(&V)...");
    EXPECT_EQ(RecordAt(menu, 1)->id, 0u);
    EXPECT_EQ(RecordAt(menu, 4)->id, static_cast<UINT>(-1));
    HMENU submenu = menu.GetSubMenuHandle(4);
    ASSERT_NE(submenu, nullptr);
    EXPECT_EQ(RecordAt(submenu, 0)->text, "全部");
    EXPECT_EQ(menu.GetMenuItemID(0), 10u);

    menu.MakeOwnerDrawn(menu);
    EXPECT_EQ(menu.RecordCount(), 6u) << "converting twice changes nothing";
    EXPECT_EQ(RecordAt(menu, 0)->text, "保存(&V)...");
}

TEST_F(SkinMenu, MeasuresTextWithoutAmpersandsAndFixedHeights)
{
    menu.MakeOwnerDrawn(menu);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dc.SelectObject(&menu.Font());
    const int extent = dc.GetTextExtent("保存(V)...").cx;
    MEASUREITEMSTRUCT item;
    item.itemData = reinterpret_cast<ULONG_PTR>(RecordAt(menu, 0));
    menu.MeasureItem(&item);
    EXPECT_EQ(static_cast<int>(item.itemWidth), extent + 45);
    EXPECT_EQ(item.itemHeight, 22u);
    MEASUREITEMSTRUCT separator;
    separator.itemData = reinterpret_cast<ULONG_PTR>(RecordAt(menu, 1));
    menu.MeasureItem(&separator);
    EXPECT_EQ(separator.itemHeight, 7u);
}

TEST_F(SkinMenu, DrawsStripBackgroundAndSelection)
{
    menu.MakeOwnerDrawn(menu);
    const QImage plain = Draw(0, 0, 150);
    EXPECT_EQ(plain.pixelColor(5, 2), QColor(186, 214, 251)) << "left strip";
    EXPECT_EQ(plain.pixelColor(148, 2), QColor(246, 246, 246)) << "item background";
    const QImage selected = Draw(0, ODS_SELECTED, 150);
    EXPECT_EQ(selected.pixelColor(0, 0), QColor(172, 193, 222)) << "selection outline";
    EXPECT_EQ(selected.pixelColor(148, 2), QColor(255, 238, 194)) << "selection fill";
}

TEST_F(SkinMenu, SeparatorLineStartsAfterTheStripAndAGap)
{
    menu.MakeOwnerDrawn(menu);
    const QImage line = Draw(1, 0, 150);
    ASSERT_EQ(line.height(), 7);
    EXPECT_EQ(line.pixelColor(10, 3), QColor(186, 214, 251));
    EXPECT_EQ(line.pixelColor(27, 3), QColor(246, 246, 246));
    EXPECT_EQ(line.pixelColor(32, 3), QColor(172, 193, 222));
    EXPECT_EQ(line.pixelColor(149, 3), QColor(172, 193, 222));
}

TEST_F(SkinMenu, ShortcutTextIsRightAlignedSixteenPixelsIn)
{
    menu.MakeOwnerDrawn(menu);
    const QImage item = Draw(2, ODS_GRAYED, 200);
    auto inkIn = [&](int from, int to) {
        int ink = 0;
        for (int x = from; x < to; ++x)
            for (int y = 0; y < item.height(); ++y)
                ink += item.pixelColor(x, y) != QColor(246, 246, 246);
        return ink;
    };
    EXPECT_GT(inkIn(150, 184), 0) << "the shortcut ends near w - 16";
    EXPECT_EQ(inkIn(185, 200), 0) << "nothing in the last 16 pixels";
    EXPECT_GT(inkIn(32, 60), 0) << "the label starts at 32";
}

TEST_F(SkinMenu, CheckedItemShowsTheCheckIconInTheStrip)
{
    menu.MakeOwnerDrawn(menu);
    const QImage checked = Draw(3, ODS_CHECKED, 150);
    const QImage unchecked = Draw(3, 0, 150);
    EXPECT_NE(checked.copy(0, 0, 22, 22), unchecked.copy(0, 0, 22, 22));
}

} // namespace
