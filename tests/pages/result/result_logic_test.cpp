// The result page's rules without a window: layout, enabling, the menu,
// column records, grid filling and sorting, the options record's checks and
// the chart record.
#include "pages/handoff/chart_record.h"
#include "pages/options/result_options.h"
#include "pages/result/column_sort.h"
#include "pages/result/grid_columns.h"
#include "pages/result/result_ids.h"
#include "pages/result/result_layout.h"
#include "pages/result/result_rules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

namespace vesk::result {
namespace {

Placement Find(const std::vector<Placement>& row, unsigned id)
{
    for (const Placement& p : row)
        if (p.id == id)
            return p;
    return {};
}

TEST(ResultLayout, RowsAreCentredAndButtonsShrinkOnlyWhenNarrow)
{
    const ResultViewLayout wide = LayoutResultView(600, 400);
    EXPECT_EQ(wide.grid.height, (400 - 71) / 20 * 20);
    EXPECT_EQ(wide.grid.width, 600);
    // Row B: five 75-pixel buttons, 2 apart, centred.
    ASSERT_EQ(wide.rowB.size(), 5u);
    EXPECT_EQ(wide.rowB[0].x, (600 - 5 * 75 - 8) / 2);
    EXPECT_EQ(wide.rowB[4].x + wide.rowB[4].width, wide.rowB[0].x + 5 * 75 + 8);
    EXPECT_EQ(wide.rowB[0].y, 400 - 44);
    // Row A: the label and 覆盖 keep their widths, the two buttons take c.
    const int x0 = (600 - 150 - 145) / 2;
    // The label ends at x0 + 94 and borrows 40 pixels of the margin for long counts.
    EXPECT_EQ(Find(wide.rowA, kStatusResult).x, x0 - 40);
    EXPECT_EQ(Find(wide.rowA, kStatusResult).width, 134);
    EXPECT_EQ(Find(wide.rowA, kOverwrite).x, x0 + 96);
    EXPECT_EQ(Find(wide.rowA, kSingleToGroup).x, x0 + 145 + 75);
    // Row C at the bottom, six buttons.
    EXPECT_EQ(wide.rowC.size(), 6u);
    EXPECT_EQ(Find(wide.rowC, kToChart).y + kControlHeight, 400);

    const ResultViewLayout narrow = LayoutResultView(200, 300);
    EXPECT_EQ(narrow.rowC[0].width, (200 - 10) / 6);
    EXPECT_EQ(narrow.rowB[0].width, (200 - 8) / 5);
    EXPECT_EQ(Find(narrow.rowA, kGroupToSingle).width, (200 - 145) / 2);
    EXPECT_GE(Find(narrow.rowA, kStatusResult).x, 0); // no margin to borrow
    EXPECT_EQ(Find(narrow.rowA, kStatusResult).x + Find(narrow.rowA, kStatusResult).width,
              Find(narrow.rowA, kOverwrite).x - 2);

    const RecycleViewLayout recycle = LayoutRecycleView(300, 211);
    EXPECT_EQ(recycle.grid.height, 180);
    EXPECT_EQ(Find(recycle.row, kRecycleToEditor).x, (300 - 75 - 110) / 2);
    EXPECT_EQ(Find(recycle.row, kStatusRecycle).x, (300 - 75 - 110) / 2 + 75 + 10);
}

std::map<unsigned, bool> States(const PageCounts& counts)
{
    std::map<unsigned, bool> states;
    for (const ControlState& s : ButtonStates(counts))
        states[s.id] = s.enabled;
    return states;
}

TEST(ResultRules, ButtonsNeedOneRowWhereTheMenuNeedsTwo)
{
    PageCounts one;
    one.resultRows = 1;
    const auto buttons = States(one);
    for (const unsigned id : {kClear, kSave, kPrint, kToChart, kGroupToSingle, kSingleToGroup, kResultToEditor})
        EXPECT_TRUE(buttons.at(id)) << id;
    EXPECT_FALSE(buttons.at(kDelete));
    EXPECT_FALSE(buttons.at(kUndo));
    EXPECT_FALSE(buttons.at(kRecycleToEditor));

    const std::vector<MenuEntry> menu = ResultMenu(one);
    ASSERT_EQ(menu.size(), 16u);
    std::map<unsigned, bool> items;
    for (const MenuEntry& e : menu)
        if (e.id)
            items[e.id] = e.enabled;
    EXPECT_FALSE(items.at(kClear));
    EXPECT_FALSE(items.at(kSave));
    EXPECT_FALSE(items.at(kPrint));
    EXPECT_TRUE(items.at(kAdd));
    EXPECT_TRUE(items.at(kOpen));
    EXPECT_TRUE(items.at(kOptions));
    EXPECT_EQ(menu[3].id, 0u);
    EXPECT_EQ(menu[15].text, "设置(&S)...");

    PageCounts two = one;
    two.resultRows = 2;
    two.selectedRows = 1;
    two.canRedo = true;
    for (const MenuEntry& e : ResultMenu(two)) {
        if (e.id) {
            EXPECT_EQ(e.enabled, e.id != kUndo) << e.text;
        }
    }
    EXPECT_EQ(ResultStatusText(12), "缩水结果:12注");
    EXPECT_EQ(RecycleStatusText(0), "回收区结果:0注");
}

std::vector<std::uint8_t> Records(const std::vector<std::pair<std::int32_t, const char*>>& records)
{
    std::vector<std::uint8_t> bytes(records.size() * kColumnRecordSize, 0);
    for (std::size_t k = 0; k < records.size(); ++k) {
        std::memcpy(bytes.data() + k * kColumnRecordSize, &records[k].first, 4);
        std::strncpy(reinterpret_cast<char*>(bytes.data() + k * kColumnRecordSize + 4), records[k].second, 32);
    }
    return bytes;
}

TEST(GridColumns, RecordsAreCappedAndTitlesReadWithinTheirField)
{
    std::vector<std::uint8_t> bytes = Records({{0, "\xBA\xCD\xD6\xB5"}, {7, "012"}});
    // A title without its terminating zero stops at the field's end.
    std::memset(bytes.data() + kColumnRecordSize + 4, 'A', 32);
    const auto columns = ParseColumnRecords(bytes, -static_cast<SlotInt>(bytes.size()));
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(columns[0].title, "和值");
    EXPECT_EQ(columns[1].attribute, 7);
    EXPECT_EQ(columns[1].title, std::string(32, 'A'));
    // A length beyond the bytes given, or more than eleven records, is cut.
    EXPECT_EQ(ParseColumnRecords(bytes, 36 * 20).size(), 2u);
    std::vector<std::uint8_t> many(36 * 13, 0);
    EXPECT_EQ(ParseColumnRecords(many, 36 * 13).size(), 11u);
    EXPECT_TRUE(ParseColumnRecords(bytes, 35).empty());
}

// A grid that keeps the cells set through the slots.
class CellGrid final : public IRyxGridCtrl {
public:
    std::map<std::pair<SlotInt, SlotInt>, std::string> cells;
    std::map<SlotInt, ColorRef> colours;
    SlotInt rows = 0;
    SlotInt columns = 0;
    SlotInt Create(const Rect*, WindowHandle, SlotInt, SlotInt, SlotInt, SlotInt) override { return 1; }
    WindowHandle GetWindow() override { return 0; }
    SlotInt SetSize(SlotInt r, SlotInt c) override
    {
        rows = r;
        if (c)
            columns = c;
        cells.clear();
        return 1;
    }
    SlotInt GetRowCount() override { return rows; }
    SlotInt GetColumnCount() override { return columns; }
    SlotInt Move(const Rect*) override { return 1; }
    SlotInt SetColumnTitle(SlotInt, const char*) override { return 1; }
    SlotInt SetMetrics(SlotInt, SlotInt, SlotInt) override { return 1; }
    SlotInt SetColumnTag(SlotInt, SlotInt) override { return 1; }
    SlotInt GetColumnTag(SlotInt) override { return 0; }
    SlotInt SetColumnColor(SlotInt c, ColorRef colour, SlotInt) override
    {
        colours[c] = colour;
        return 1;
    }
    SlotInt SetMode(SlotInt, SlotInt) override { return 1; }
    SlotInt SetCellText(SlotInt r, SlotInt c, const char* text) override
    {
        cells[{r, c}] = text;
        return 1;
    }
    SlotInt SetCellNumber(SlotInt r, SlotInt c, SlotInt value, SlotInt format) override
    {
        cells[{r, c}] = std::to_string(value) + "/" + std::to_string(format);
        return 1;
    }
    SlotInt EnsureVisible(SlotInt, SlotInt, SlotInt) override { return 1; }
    SlotInt SelectRow(SlotInt, SlotInt) override { return 1; }
    SlotInt GetSelectedRow(SlotInt, SlotInt) override { return -1; }
    SlotInt GetSelectedCount() override { return 0; }
    SlotInt SetScrollPositions(SlotInt, SlotInt) override { return 1; }
    SlotInt GetScrollPosition(SlotInt) override { return 0; }
    SlotInt Redraw() override { return 1; }
    SlotInt Export(const char*, const char*) override { return 0; }
};

AttributeTable TableOfCodes()
{
    // Entry (code, k) = code * 100 + k, so a cell names its code and attribute.
    AttributeTable table;
    for (int code = 0; code < kTableCodes; ++code)
        for (int k = 0; k < kAttributeCount; ++k)
            table.Set(std::uint32_t(code), k, code * 100 + k);
    return table;
}

TEST(GridColumns, AnUnknownAttributeLeavesItsColumnEmptyWithoutShiftingTheOthers)
{
    NumberList list(3);
    list.ParseText("305 007", 3);
    CellGrid grid;
    const std::vector<GridColumn> columns = {{2, "a"}, {11, "bad"}, {-1, "bad"}, {7, "road"}};
    SetupGridColumns(grid, columns, "投注号码");
    EXPECT_EQ(grid.columns, 6);
    FillGrid(grid, list, columns, TableOfCodes(), kResultNumberColour);
    EXPECT_EQ(grid.cells.at({0, 0}), "1/32");
    EXPECT_EQ(grid.cells.at({0, 1}), "305");
    EXPECT_EQ(grid.cells.at({0, 2}), "30502/32");
    EXPECT_FALSE(grid.cells.count({1, 3}));
    EXPECT_FALSE(grid.cells.count({1, 4}));
    EXPECT_EQ(grid.cells.at({1, 5}), "707/35") << "the road column keeps its place and leading zeros";
    EXPECT_EQ(grid.colours.at(1), kResultNumberColour);
    EXPECT_EQ(grid.colours.at(5), kAttributeColours[7]);
    EXPECT_FALSE(grid.colours.count(3));
}

TEST(GridColumns, NumbersLongerThanTheTableGetEmptyAttributeCells)
{
    NumberList list(5);
    list.ParseText("99999 00001", 5);
    CellGrid grid;
    const std::vector<GridColumn> columns = {{0, "和值"}, {10, "x"}};
    SetupGridColumns(grid, columns, "投注号码");
    FillGrid(grid, list, columns, TableOfCodes(), kRecycleNumberColour);
    EXPECT_EQ(grid.cells.at({1, 1}), "00001");
    EXPECT_EQ(grid.cells.size(), 4u) << "only serial numbers and numbers";
}

TEST(ColumnSort, SameColumnReversesAnotherStartsAscendingAndTagsEndLive)
{
    NumberList list(3);
    list.ParseText("210 999 005 123", 3);
    const AttributeTable table = TableOfCodes();
    SortState state;
    EXPECT_FALSE(SortByColumn(list, 0, 0, table, state));
    ASSERT_TRUE(SortByColumn(list, 1, 0, table, state));
    EXPECT_EQ(list.ToValue(0), 5u);
    ASSERT_TRUE(SortByColumn(list, 1, 0, table, state));
    EXPECT_EQ(list.ToValue(0), 999u);
    // Attribute 3 of this table orders as the codes do; first click ascending.
    ASSERT_TRUE(SortByColumn(list, 2, 3, table, state));
    EXPECT_EQ(list.ToValue(0), 5u);
    EXPECT_EQ(list.ToValue(3), 999u);
    for (std::uint32_t i = 0; i < list.Count(); ++i)
        EXPECT_EQ(list.TagAt(i), NumberList::kLiveTag);
    // An appended number then sorts among the others by its digits.
    const std::uint8_t one[3] = {0, 0, 1};
    list.Append(one);
    SortState fresh;
    SortByColumn(list, 1, 0, table, fresh);
    EXPECT_EQ(list.ToValue(0), 1u);
}

TEST(ResultOptionsRecord, MatchCharacterMayBeNeitherEmptyNorADigit)
{
    EXPECT_EQ(options::MatchTextError(""), options::kMatchEmptyMessage);
    EXPECT_EQ(options::MatchTextError("9"), options::kMatchDigitMessage);
    EXPECT_EQ(options::MatchTextError("0"), options::kMatchDigitMessage);
    EXPECT_TRUE(options::MatchTextError("*").empty());
    EXPECT_TRUE(options::MatchTextError("?").empty());
}

TEST(ChartRecordBlocks, EachNumberInAZeroedBlockInListOrder)
{
    NumberList list(3);
    list.ParseText("907 120", 3);
    handoff::ChartRecordBuilder builder(list, 3, 77);
    ASSERT_TRUE(builder.Complete());
    const ChartRecord& record = builder.Record();
    EXPECT_EQ(record.digits, 3);
    EXPECT_EQ(record.listKey, 77);
    EXPECT_EQ(record.zero, 0);
    ASSERT_EQ(record.numbers.size, 2);
    const auto* second = static_cast<const std::uint8_t*>(record.numbers.data[1]);
    const std::uint8_t expected[8] = {1, 2, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(second, expected, 8), 0);
    EXPECT_EQ(static_cast<const std::uint8_t*>(record.numbers.data[0])[0], 9);

    NumberList empty(3);
    handoff::ChartRecordBuilder none(empty, 3, 1);
    EXPECT_EQ(none.Record().numbers.size, 0);
}

} // namespace
} // namespace vesk::result
