// The grid's cell store, number formats, selection runs and width candidates.
#include "components/grid/cell_format.h"
#include "components/grid/column_fit.h"
#include "components/grid/grid_table.h"
#include "components/grid/selected_rows.h"

#include <gtest/gtest.h>

#include <string>

namespace vesk::grid {
namespace {

std::string Shown(const GridTable& table, std::int64_t row, int column)
{
    const CellValue cell = table.Cell(row, column);
    if (cell.kind == CellKind::Text)
        return "t:" + std::string(cell.text);
    if (cell.kind == CellKind::Number)
        return "n:" + std::string(FormatCellNumber(cell.number, cell.padDigits).View());
    return "-";
}

TEST(CellFormat, PadsWithLeadingZerosAndKeepsTheSignInFront)
{
    EXPECT_EQ(FormatCellNumber(12, 3).View(), "012");
    EXPECT_EQ(FormatCellNumber(12, 0).View(), "12");
    EXPECT_EQ(FormatCellNumber(1234, 3).View(), "1234");
    EXPECT_EQ(FormatCellNumber(0, 0).View(), "0");
    EXPECT_EQ(FormatCellNumber(0, 3).View(), "000");
    EXPECT_EQ(FormatCellNumber(-5, 3).View(), "-005");
    EXPECT_EQ(FormatCellNumber(INT32_MIN, 0).View(), "-2147483648");
    EXPECT_EQ(FormatCellNumber(7, 31).View(), std::string(30, '0') + "7");
    EXPECT_EQ(PadDigitsOfFormat(0x20), 0);
    EXPECT_EQ(PadDigitsOfFormat(0x20 + 3), 3);
}

TEST(GridTable, ResizeKeepsCellsInsideBothBoundsAndEmptiesNewOnes)
{
    GridTable table;
    ASSERT_TRUE(table.Resize(3, 2));
    ASSERT_TRUE(table.SetText(0, 0, "abc"));
    ASSERT_TRUE(table.SetNumber(2, 1, 7, 3));
    ASSERT_TRUE(table.SetText(2, 0, "last"));
    ASSERT_TRUE(table.Resize(5, 0)); // columns kept
    EXPECT_EQ(table.ColumnCount(), 2);
    EXPECT_EQ(Shown(table, 0, 0), "t:abc");
    EXPECT_EQ(Shown(table, 2, 1), "n:007");
    EXPECT_EQ(Shown(table, 4, 1), "-");
    ASSERT_TRUE(table.Resize(2, 3));
    EXPECT_EQ(Shown(table, 0, 0), "t:abc");
    EXPECT_EQ(Shown(table, 1, 2), "-");
    ASSERT_TRUE(table.Resize(3, 0));
    EXPECT_EQ(Shown(table, 2, 0), "-") << "a row dropped and grown again comes back empty";
    ASSERT_TRUE(table.Resize(0, 0));
    EXPECT_EQ(table.RowCount(), 0);
    EXPECT_EQ(table.ColumnCount(), 3);
    EXPECT_EQ(table.TextPoolBytes(), 0u);
}

TEST(GridTable, RefusesCellsAndSizesOutsideTheTable)
{
    GridTable table;
    EXPECT_FALSE(table.SetText(0, 0, "x")) << "an empty table has no cells";
    ASSERT_TRUE(table.Resize(2, 2));
    EXPECT_FALSE(table.SetText(2, 0, "x"));
    EXPECT_FALSE(table.SetText(0, 2, "x"));
    EXPECT_FALSE(table.SetNumber(-1, 0, 1, 0));
    EXPECT_FALSE(table.SetNumber(0, -1, 1, 0));
    EXPECT_FALSE(table.Resize(-1, 0));
    EXPECT_FALSE(table.Resize(kMaxRows + 1, 0));
    EXPECT_FALSE(table.Resize(1, -1));
    EXPECT_FALSE(table.Resize(1, kMaxColumns + 1));
    EXPECT_EQ(table.RowCount(), 2);
    EXPECT_EQ(table.ColumnCount(), 2);
    EXPECT_EQ(Shown(table, 5, 5), "-");
    EXPECT_EQ(table.Look(2), nullptr);
    EXPECT_EQ(table.Look(-1), nullptr);
}

TEST(GridTable, TextsReplaceEachOtherAndNumbersWithoutBleeding)
{
    GridTable table;
    ASSERT_TRUE(table.Resize(3, 1));
    ASSERT_TRUE(table.SetText(0, 0, "longer text"));
    ASSERT_TRUE(table.SetText(1, 0, "next"));
    ASSERT_TRUE(table.SetText(0, 0, "short")); // in place
    ASSERT_TRUE(table.SetText(1, 0, "much longer than before"));
    ASSERT_TRUE(table.SetText(2, 0, std::string_view("cut\0here", 8)));
    EXPECT_EQ(Shown(table, 0, 0), "t:short");
    EXPECT_EQ(Shown(table, 1, 0), "t:much longer than before");
    EXPECT_EQ(Shown(table, 2, 0), "t:cut");
    ASSERT_TRUE(table.SetNumber(1, 0, 42, 0));
    ASSERT_TRUE(table.SetText(0, 0, ""));
    EXPECT_EQ(Shown(table, 0, 0), "t:");
    EXPECT_EQ(Shown(table, 1, 0), "n:42");
    ASSERT_TRUE(table.SetNumber(0, 0, 1, 0));
    ASSERT_TRUE(table.SetNumber(2, 0, 1, 0));
    EXPECT_EQ(table.TextPoolBytes(), 0u) << "no text cell left, no pool kept";
}

TEST(GridTable, RepeatedRefillsKeepThePoolBounded)
{
    GridTable table;
    constexpr int kRows = 20000;
    for (int refill = 0; refill < 30; ++refill) {
        ASSERT_TRUE(table.Resize(kRows, 2));
        // Growing texts cannot be written in place: each refill leaves garbage.
        const std::string text(static_cast<std::size_t>(refill % 7 + 1) * 10, 'a' + refill % 26);
        for (int row = 0; row < kRows; ++row) {
            ASSERT_TRUE(table.SetText(row, 1, text));
            ASSERT_TRUE(table.SetNumber(row, 0, row + 1, 0));
        }
        EXPECT_LE(table.TextPoolBytes(), 2 * kRows * (text.size() + 1) + (2u << 20)) << "refill " << refill;
        EXPECT_EQ(Shown(table, kRows - 1, 1), "t:" + text);
        EXPECT_EQ(Shown(table, 0, 1), "t:" + text);
    }
}

TEST(SelectedRows, MergesOverlappingRangesAndCountsInRowOrder)
{
    const SelectedRows rows({{10, 12}, {2, 3}, {11, 15}, {4, 4}, {20, 19}, {30, 30}});
    // Runs 2..4, 10..15, 30; the (20, 19) pair is empty.
    EXPECT_EQ(rows.Count(), 3 + 6 + 1);
    EXPECT_EQ(rows.Nth(0), 2);
    EXPECT_EQ(rows.Nth(2), 4);
    EXPECT_EQ(rows.Nth(3), 10);
    EXPECT_EQ(rows.Nth(8), 15);
    EXPECT_EQ(rows.Nth(9), 30);
    EXPECT_EQ(rows.Nth(10), -1);
    EXPECT_EQ(rows.Nth(-1), -1);
    EXPECT_EQ(SelectedRows().Count(), 0);
    EXPECT_EQ(SelectedRows().Nth(0), -1);
    EXPECT_EQ(SelectedRows({{5, 5}, {5, 5}}).Count(), 1);
    const SelectedRows inside({{11, 12}, {10, 15}});
    EXPECT_EQ(inside.Count(), 6) << "a range inside another adds nothing";
    EXPECT_EQ(inside.Nth(5), 15);
}

TEST(ColumnFit, OffersTheLongestTextOfEachLengthFromTheSampledRows)
{
    GridTable table;
    ASSERT_TRUE(table.Resize(5, 2));
    table.SetNumber(0, 0, 7, 0);
    table.SetNumber(1, 0, 12, 0);
    table.SetNumber(2, 0, 3, 0);
    table.SetNumber(3, 0, 5, 4);     // "0005"
    table.SetNumber(4, 0, 99999, 0); // the last row
    EXPECT_EQ(WidthCandidates(table, 0, 2), (std::vector<std::string>{"99999", "0005", "12", "7"}))
        << "the first two rows and the last two";
    EXPECT_EQ(WidthCandidates(table, 0, 1), (std::vector<std::string>{"99999", "7"}));
    EXPECT_EQ(WidthCandidates(table, 0, 100).size(), 4u) << "rows are not sampled twice";
    EXPECT_EQ(WidthCandidates(table, 0, 0), std::vector<std::string>{});
    EXPECT_TRUE(WidthCandidates(table, 1, 100).empty()) << "a column never written";
    EXPECT_TRUE(WidthCandidates(table, 2, 100).empty());
    EXPECT_TRUE(WidthCandidates(table, 0, -5).empty());
}

} // namespace
} // namespace vesk::grid
