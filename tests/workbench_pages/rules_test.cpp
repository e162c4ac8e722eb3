// The pages' rules without windows: column setting, print numbers, digit
// categories, row modes and button states, generation codes and layouts.
#include "filtering/grouping/digit_categories.h"
#include "filtering/grouping/panel_layout.h"
#include "filtering/grouping/row_mode.h"
#include "pages/editor/column_setting.h"
#include "pages/editor/editor_layout.h"
#include "pages/editor/print_numbers.h"
#include "pages/text/text_page_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace vesk {
namespace {

TEST(ColumnSetting, RecordRoundTripsLittleEndianAndShortRecordsReadAsNone)
{
    const ColumnSetting setting { 1, -20 };
    const auto record = EncodeColumnSetting(setting);
    EXPECT_EQ(record, (std::array<std::uint8_t, 8> { 1, 0, 0, 0, 0xEC, 0xFF, 0xFF, 0xFF }));
    EXPECT_EQ(DecodeColumnSetting(record.data(), 8), setting);
    EXPECT_EQ(DecodeColumnSetting(record.data(), 7), (ColumnSetting { 0, -10 }));
    EXPECT_EQ(DecodeColumnSetting(nullptr, 8), (ColumnSetting { 0, -10 }));
}

TEST(ColumnSetting, ChoiceAndPerLineCount)
{
    EXPECT_EQ(ChoiceOf({ 3, 0 }), ColumnChoice::OnePerLine);
    EXPECT_EQ(ChoiceOf({ 0, 1 }), ColumnChoice::Custom);
    EXPECT_EQ(ChoiceOf({ 0, 0 }), ColumnChoice::NoColumns);
    EXPECT_EQ(ChoiceOf({ 0, -5 }), ColumnChoice::NoColumns);
    EXPECT_EQ(PerLineCount({ 1, 20 }, 500), 1);
    EXPECT_EQ(PerLineCount({ 0, 20 }, 500), 20);
    EXPECT_EQ(PerLineCount({ 0, -20 }, 500), 500);
    EXPECT_EQ(PerLineCount({ 0, 0 }, 99999999), 99999999);
    EXPECT_EQ(ShownCount({ 0, -20 }), 20);
    EXPECT_EQ(ShownCount({ 0, std::numeric_limits<std::int32_t>::min() }), 2147483648LL);
}

TEST(ColumnSetting, ComboTextReadsAsAnIntegerWithTenForNothingUsable)
{
    const std::pair<const char*, std::int32_t> cases[] = {
        { "15", 15 },
        { " 7", 7 },
        { "12abc", 12 },
        { "+3", 3 },
        { "", 10 },
        { "0", 10 },
        { "-4", 10 },
        { "abc", 10 },
        { "99999999999", 2147483647 },
        { "1", 1 },
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ComboCount(text), expected) << '"' << text << '"';
}

TEST(ColumnSetting, ControlsGiveTheStoredRecord)
{
    EXPECT_EQ(SettingFromControls("5", ColumnChoice::OnePerLine), (ColumnSetting { 1, 5 }));
    EXPECT_EQ(SettingFromControls("5", ColumnChoice::Custom), (ColumnSetting { 0, 5 }));
    EXPECT_EQ(SettingFromControls("5", ColumnChoice::NoColumns), (ColumnSetting { 0, -5 }));
    EXPECT_EQ(SettingFromControls("", ColumnChoice::NoColumns), (ColumnSetting { 0, -10 }));
}

TEST(PrintNumbers, ThreeDigitCharactersEachWhateverSeparatesThem)
{
    const auto numbers = PrintedNumbers("1a2b3 45\r\n6 78 9012");
    ASSERT_EQ(numbers.size(), 4u);
    EXPECT_STREQ(numbers[0].data(), "123");
    EXPECT_STREQ(numbers[1].data(), "456");
    EXPECT_STREQ(numbers[3].data(), "012");
    EXPECT_TRUE(PrintedNumbers("12").empty());
    EXPECT_TRUE(PrintedNumbers("号码").empty());
}

TEST(DigitCategories, TableOrderAndFirstMatch)
{
    const auto& table = DigitCategories();
    EXPECT_EQ(table.front().name, "全部");
    EXPECT_EQ(table[21].name, "质数");
    EXPECT_EQ(table[21].digits, (DigitFlags { 0, 1, 1, 1, 0, 1, 0, 1, 0, 0 }));
    EXPECT_EQ(table.back().digits, (DigitFlags { 1, 0, 0, 0, 1, 0, 1, 0, 1, 1 }));
    // Every category is found at its own row, so no two are equal.
    for (int row = 1; row <= kCategoryCount; ++row)
        EXPECT_EQ(MatchingCategory(CategoryDigits(row)), row) << row;
    EXPECT_EQ(MatchingCategory(DigitFlags { 1, 0, 0, 0, 0, 0, 1, 0, 0, 1 }), 0);
    EXPECT_EQ(MatchingCategory(DigitFlags {}), 0);
    EXPECT_EQ(CategoryDigits(0), DigitFlags {});
    EXPECT_EQ(CategoryDigits(24), DigitFlags {});
}

constexpr DigitFlags kAll { 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 };
constexpr DigitFlags kNone {};

TEST(RowModes, PairsWinOverTripleAndDecideTheActiveRows)
{
    EXPECT_EQ(RowModeOf(true, true, true), RowMode::PickOneAndTwo);
    EXPECT_EQ(RowModeOf(true, false, true), RowMode::PickThree);
    EXPECT_EQ(RowModeOf(true, false, false), RowMode::Positional);
    EXPECT_TRUE(IsRowActive(RowMode::Positional, 2));
    EXPECT_FALSE(IsRowActive(RowMode::PickOneAndTwo, 2));
    EXPECT_TRUE(IsRowActive(RowMode::PickOneAndTwo, 1));
    EXPECT_FALSE(IsRowActive(RowMode::PickThree, 0));
}

TEST(RowModes, ButtonStatesCountOnlyActiveRows)
{
    auto states = ButtonStatesFor(RowMode::Positional, { kAll, kAll, kAll });
    EXPECT_TRUE(states.group);
    EXPECT_FALSE(states.selectAll);
    EXPECT_TRUE(states.clearAll);

    states = ButtonStatesFor(RowMode::Positional, { kNone, kNone, kNone });
    EXPECT_FALSE(states.group);
    EXPECT_TRUE(states.selectAll);
    EXPECT_FALSE(states.clearAll);
    EXPECT_FALSE(states.rowButton[0]);

    // Row 3 is inactive: its digits neither count nor complete the set.
    states = ButtonStatesFor(RowMode::PickOneAndTwo, { kAll, kNone, kAll });
    EXPECT_FALSE(states.group);
    EXPECT_TRUE(states.selectAll);
    EXPECT_TRUE(states.clearAll);
    EXPECT_TRUE(states.rowButton[0]);
    EXPECT_FALSE(states.rowButton[1]);

    states = ButtonStatesFor(RowMode::PickThree, { kNone, kNone, kAll });
    EXPECT_TRUE(states.group);
    EXPECT_FALSE(states.selectAll); // all ten of the one active row
}

TEST(Generation, PlacesFollowTheModeAndCodesAscend)
{
    const DigitFlags one { 0, 1, 0, 0, 0, 0, 0, 0, 0, 0 };
    const DigitFlags oneTwo { 0, 1, 1, 0, 0, 0, 0, 0, 0, 0 };
    const DigitFlags nine { 0, 0, 0, 0, 0, 0, 0, 0, 0, 1 };

    GenerationPlan plan = PlanFor(RowMode::Positional, { nine, oneTwo, one });
    EXPECT_FALSE(plan.toGroups);
    EXPECT_EQ(PlanCodes(plan), (std::vector<std::uint32_t> { 911, 921 }));

    plan = PlanFor(RowMode::PickOneAndTwo, { one, oneTwo, nine });
    EXPECT_TRUE(plan.toGroups);
    EXPECT_EQ(PlanCodes(plan), (std::vector<std::uint32_t> { 111, 112, 121, 122 }));

    plan = PlanFor(RowMode::PickThree, { one, one, nine });
    EXPECT_EQ(PlanCodes(plan), (std::vector<std::uint32_t> { 999 }));

    EXPECT_EQ(PlanCodes(PlanFor(RowMode::Positional, { kAll, kAll, kAll })).size(), 1000u);
    EXPECT_EQ(PlanCodes(PlanFor(RowMode::Positional, { kAll, kNone, kAll })).size(), 0u);
    const auto all = PlanCodes(PlanFor(RowMode::Positional, { kAll, kAll, kAll }));
    EXPECT_EQ(all.front(), 0u);
    EXPECT_EQ(all.back(), 999u);
}

TEST(Layouts, EditorRowsAndButtons)
{
    const EditorLayout narrow = LayoutEditor(330, 300);
    EXPECT_EQ(narrow.edit.bottom, 242);
    EXPECT_EQ(narrow.label.x, 65);
    EXPECT_EQ(narrow.noColumns.x, 280);
    EXPECT_EQ(narrow.buttons[0].left, (330 - 6 * 53 - 8) / 2);
    EXPECT_EQ(narrow.buttons[0].right - narrow.buttons[0].left, 53);
    EXPECT_EQ(narrow.buttons[3].left, narrow.buttons[0].left + 3 * 53 + 6);
    EXPECT_EQ(narrow.buttons[5].right, narrow.buttons[3].left + 2 * 55 + 53);

    // The column row moves left just enough for 不分列 to end inside.
    EXPECT_EQ(LayoutEditor(330, 300, 50).label.x, 65);
    EXPECT_EQ(LayoutEditor(330, 300, 51).label.x, 64);
    EXPECT_EQ(LayoutEditor(330, 300, 60).noColumns.x + 60, 330);
    EXPECT_EQ(LayoutEditor(200, 300, 60).label.x, 0);
    EXPECT_EQ(LayoutEditor(800, 300, 60).label.x, 300);

    const EditorLayout wide = LayoutEditor(800, 500);
    EXPECT_EQ(wide.buttons[1].right - wide.buttons[1].left, 75); // capped
    EXPECT_EQ(wide.buttons[0].left, (800 - 450 - 8) / 2);
    EXPECT_EQ(wide.buttons[5].top, 479);
}

TEST(Layouts, TextPageButtonsAreCappedAndCentred)
{
    const TextPageLayout narrow = LayoutTextPage(200, 300, 27);
    EXPECT_EQ(narrow.text.bottom, 273);
    EXPECT_EQ(narrow.buttons[0].right - narrow.buttons[0].left, 48);
    EXPECT_EQ(narrow.buttons[0].left, 1);
    EXPECT_EQ(narrow.buttons[3].left, 1 + 3 * 50);

    const TextPageLayout wide = LayoutTextPage(500, 400, 30);
    EXPECT_EQ(wide.buttons[0].right - wide.buttons[0].left, 75);
    EXPECT_EQ(wide.buttons[0].left, (500 - 300 - 6) / 2);
    EXPECT_EQ(wide.buttons[2].top, 379);
}

TEST(Layouts, PanelModesDiffer)
{
    const PanelLayout narrow = LayoutPanel(kNarrowLayout);
    const PanelLayout wide = LayoutPanel(kWideLayout);
    EXPECT_EQ(narrow.frame.right, 346);
    EXPECT_EQ(wide.frame.bottom, 112);
    EXPECT_EQ(narrow.rows[2].digits[9].left, 65 + 189);
    EXPECT_EQ(wide.rows[2].digits[9].left, 69 + 198);
    EXPECT_EQ(narrow.rows[1].modeBox.top, 57);
    EXPECT_EQ(narrow.close.top, 105);
    EXPECT_EQ(wide.close.top, 77);
    EXPECT_EQ(wide.close.left, 355);
}

} // namespace
} // namespace vesk
