#include "filtering/grouping/grouping_panel.h"

#include "tests/workbench_pages/page_host.h"

#include <gtest/gtest.h>

namespace vesk::test {
namespace {

class GroupingPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(panel.Create(pages.Container()));
        panel.SetLayoutMode(kNarrowLayout);
        panel.ShowWindow(SW_SHOW);
        Settle();
    }
    bool Enabled(CWnd& control) { return control.IsWindowEnabled() != FALSE; }
    bool Enabled(UINT id) { return Enabled(panel.PanelButton(id)); }
    void ChooseCategory(int row, int index)
    {
        panel.CategoryBox(row).SetCurSel(index);
        static constexpr UINT ids[] = { IDC_GROUP_CATEGORY_1, IDC_GROUP_CATEGORY_2, IDC_GROUP_CATEGORY_3 };
        panel.SendMessage(WM_COMMAND, MAKEWPARAM(ids[row], CBN_SELCHANGE),
            reinterpret_cast<LPARAM>(panel.CategoryBox(row).GetSafeHwnd()));
    }
    void SelectOnly(int row, std::initializer_list<int> digits)
    {
        Click(panel.RowButton(row));
        for (const int digit : digits)
            Click(panel.DigitButton(row, digit));
    }

    PageHost pages;
    GroupingPanel panel;
};

TEST_F(GroupingPanelTest, AFreshPanelIsPositionalWithEveryDigit)
{
    EXPECT_EQ(panel.Mode(), RowMode::Positional);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(panel.RowDigits(row), (DigitFlags { 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 }));
        EXPECT_EQ(panel.CategoryBox(row).GetCurSel(), 0);
        EXPECT_EQ(panel.CategoryBox(row).GetCount(), 24);
        EXPECT_TRUE(Enabled(panel.RowButton(row)));
    }
    EXPECT_EQ(panel.CategoryBox(0).GetLBText(0), "自定义");
    EXPECT_EQ(panel.CategoryBox(0).GetLBText(23), "合数");
    EXPECT_FALSE(Enabled(IDC_GROUP_SELECT_ALL));
    EXPECT_TRUE(Enabled(IDC_GROUP_CLEAR_ALL));
    EXPECT_TRUE(Enabled(IDC_GROUP_GENERATE));
    CBaseButton& generate = panel.PanelButton(IDC_GROUP_GENERATE);
    EXPECT_EQ(TipOf(generate), "对号码设置中选择的数字进行组合");
}

TEST_F(GroupingPanelTest, DigitsAndCategoriesFollowEachOther)
{
    ChooseCategory(0, 2); // 0路
    EXPECT_EQ(panel.RowDigits(0), (DigitFlags { 1, 0, 0, 1, 0, 0, 1, 0, 0, 1 }));
    EXPECT_EQ(panel.CategoryBox(0).GetCurSel(), 2);
    Click(panel.DigitButton(0, 3));
    EXPECT_EQ(panel.RowDigits(0), (DigitFlags { 1, 0, 0, 0, 0, 0, 1, 0, 0, 1 }));
    EXPECT_EQ(panel.CategoryBox(0).GetCurSel(), 0);

    SelectOnly(1, { 5, 6, 7, 8, 9 });
    EXPECT_EQ(panel.CategoryBox(1).GetLBText(panel.CategoryBox(1).GetCurSel()), "大数");
    SelectOnly(1, { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 });
    EXPECT_EQ(panel.CategoryBox(1).GetCurSel(), 1); // 全部, the first match

    // 自定义 chosen by hand changes nothing.
    ChooseCategory(2, 0);
    EXPECT_EQ(panel.RowDigits(2), (DigitFlags { 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 }));
}

TEST_F(GroupingPanelTest, ClearingAllAndClearingARow)
{
    ChooseCategory(0, 8);
    Click(panel.RowButton(0));
    EXPECT_EQ(panel.RowDigits(0), DigitFlags {});
    EXPECT_EQ(panel.CategoryBox(0).GetCurSel(), 8); // the row button leaves its box
    EXPECT_FALSE(Enabled(panel.RowButton(0)));
    EXPECT_FALSE(Enabled(IDC_GROUP_GENERATE));
    EXPECT_TRUE(Enabled(IDC_GROUP_SELECT_ALL));

    Click(panel.PanelButton(IDC_GROUP_CLEAR_ALL));
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(panel.RowDigits(row), DigitFlags {});
        EXPECT_EQ(panel.CategoryBox(row).GetCurSel(), 0);
    }
    EXPECT_FALSE(Enabled(IDC_GROUP_CLEAR_ALL));

    Click(panel.PanelButton(IDC_GROUP_SELECT_ALL));
    EXPECT_EQ(panel.CategoryBox(2).GetCurSel(), 1);
    EXPECT_FALSE(Enabled(IDC_GROUP_SELECT_ALL));
}

TEST_F(GroupingPanelTest, PickOneAndTwoTurnsBothBoxesAndDisablesRowThree)
{
    Click(panel.ModeBox(1));
    EXPECT_EQ(panel.ModeBox(0).GetCheck(), 1);
    EXPECT_EQ(panel.Mode(), RowMode::PickOneAndTwo);
    EXPECT_EQ(panel.RowButton(0).GetWindowText(), "选一");
    EXPECT_EQ(panel.RowButton(1).GetWindowText(), "选二");
    EXPECT_EQ(panel.RowButton(2).GetWindowText(), "禁用");
    EXPECT_FALSE(Enabled(panel.ModeBox(2)));
    EXPECT_FALSE(Enabled(panel.DigitButton(2, 4)));
    EXPECT_FALSE(Enabled(panel.CategoryBox(2)));
    CBaseCheckBox& box = panel.ModeBox(0);
    EXPECT_EQ(TipOf(box), "█ 表示组号时从后面的数字中选择一个数字进行组号");

    // Row 2 empty: 组号 off although the inactive row 3 holds digits.
    Click(panel.RowButton(1));
    EXPECT_FALSE(Enabled(IDC_GROUP_GENERATE));
    EXPECT_FALSE(Enabled(panel.RowButton(2)));

    SelectOnly(0, { 1 });
    Click(panel.DigitButton(1, 2));
    const GenerationPlan plan = panel.Plan();
    EXPECT_TRUE(plan.toGroups);
    EXPECT_EQ(PlanCodes(plan), (std::vector<std::uint32_t> { 122 }));
    SaveShot(panel, "grouping-pick-one-two");

    Click(panel.ModeBox(0));
    EXPECT_EQ(panel.ModeBox(1).GetCheck(), 0);
    EXPECT_EQ(panel.Mode(), RowMode::Positional);
    EXPECT_EQ(panel.RowButton(2).GetWindowText(), "个位");
    EXPECT_TRUE(Enabled(panel.DigitButton(2, 4)));
    EXPECT_EQ(panel.RowButton(0).GetWindowText(), "百位");
}

TEST_F(GroupingPanelTest, PickThreeUsesRowThreeOnly)
{
    Click(panel.ModeBox(2));
    EXPECT_EQ(panel.Mode(), RowMode::PickThree);
    EXPECT_EQ(panel.RowButton(0).GetWindowText(), "禁用");
    EXPECT_EQ(panel.RowButton(2).GetWindowText(), "选三");
    EXPECT_FALSE(Enabled(panel.ModeBox(0)));
    EXPECT_FALSE(Enabled(panel.DigitButton(1, 0)));

    // Only row 3 is cleared and counted.
    Click(panel.PanelButton(IDC_GROUP_CLEAR_ALL));
    EXPECT_EQ(panel.RowDigits(0), (DigitFlags { 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 }));
    EXPECT_FALSE(Enabled(IDC_GROUP_GENERATE));
    Click(panel.DigitButton(2, 4));
    EXPECT_TRUE(Enabled(IDC_GROUP_GENERATE));
    EXPECT_EQ(PlanCodes(panel.Plan()), (std::vector<std::uint32_t> { 444 }));

    Click(panel.ModeBox(2));
    EXPECT_EQ(panel.RowButton(0).GetWindowText(), "百位");
    EXPECT_EQ(panel.RowButton(1).GetWindowText(), "十位");
    EXPECT_TRUE(Enabled(panel.DigitButton(1, 0)));
}

// The panel forwards to its own parent: the workbench holds it directly.
TEST(GroupingPanelParent, ReceivesGenerateFilterAndCloseUnchanged)
{
    PageHost pages;
    GroupingPanel panel;
    ASSERT_TRUE(panel.Create(&pages.Workbench()));
    panel.SetLayoutMode(kNarrowLayout);
    for (const UINT id : { IDC_GROUP_GENERATE, IDC_GROUP_FILTER, IDC_GROUP_CLOSE })
        Click(panel.PanelButton(id));
    const auto& commands = pages.Workbench().commands;
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[0].wParam, MAKEWPARAM(IDC_GROUP_GENERATE, BN_CLICKED));
    EXPECT_EQ(commands[1].wParam, MAKEWPARAM(IDC_GROUP_FILTER, BN_CLICKED));
    EXPECT_EQ(commands[2].wParam, MAKEWPARAM(IDC_GROUP_CLOSE, BN_CLICKED));
    EXPECT_EQ(commands[2].lParam, reinterpret_cast<LPARAM>(panel.PanelButton(IDC_GROUP_CLOSE).GetSafeHwnd()));
}

TEST_F(GroupingPanelTest, LayoutModesPlaceTheControlsOncePerChange)
{
    auto rectOf = [this](CWnd& control) {
        CRect at;
        control.GetWindowRect(&at);
        panel.ScreenToClient(&at);
        return at;
    };
    EXPECT_EQ(rectOf(panel.DigitButton(2, 9)), CRect(65 + 189, 77, 65 + 189 + 20, 98));
    EXPECT_EQ(rectOf(panel.PanelButton(IDC_GROUP_CLOSE)), CRect(200, 105, 260, 126));

    panel.SetLayoutMode(kWideLayout);
    EXPECT_EQ(rectOf(panel.DigitButton(1, 3)), CRect(69 + 66, 52, 69 + 66 + 20, 73));
    EXPECT_EQ(rectOf(panel.PanelButton(IDC_GROUP_GENERATE)), CRect(355, 27, 415, 48));
    EXPECT_EQ(rectOf(panel.CategoryBox(0)).left, 290);

    // Unchanged mode: a control moved meanwhile stays where it is.
    panel.PanelButton(IDC_GROUP_GENERATE).MoveWindow(0, 0, 10, 10);
    panel.SetLayoutMode(kWideLayout);
    EXPECT_EQ(rectOf(panel.PanelButton(IDC_GROUP_GENERATE)), CRect(0, 0, 10, 10));
    EXPECT_EQ(panel.LayoutMode(), kWideLayout);
}

} // namespace
} // namespace vesk::test
