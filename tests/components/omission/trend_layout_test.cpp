// The trend chart paints only the cells its exposed rectangle meets.
#include "components/features/omission/trend_layout.h"

#include <gtest/gtest.h>

namespace vesk::omission {
namespace {

TEST(TrendLayout, VisibleCellsOfARectangle)
{
    const TrendGeometry g{8378, 64, 20, 30};
    struct Case {
        int x, y, w, h;
        CellRange expected;
    };
    const Case cases[] = {
        {0, 0, 300, 400, {0, 20, 0, 10}},
        {15, 10, 30, 20, {0, 2, 0, 2}},          // straddles cell borders on both sides
        {0, 167400, 300, 400, {8370, 8378, 0, 10}}, // the end, clipped to the rows
        {1900, 0, 500, 20, {0, 1, 63, 64}},        // beyond the last column
        {0, 0, 0, 400, {}},
        {-40, -40, 60, 60, {0, 1, 0, 1}},
    };
    for (const Case& c : cases) {
        const CellRange r = VisibleCells(g, c.x, c.y, c.w, c.h);
        EXPECT_EQ(r.firstRow, c.expected.firstRow) << c.x << "," << c.y;
        EXPECT_EQ(r.endRow, c.expected.endRow) << c.x << "," << c.y;
        EXPECT_EQ(r.firstColumn, c.expected.firstColumn) << c.x << "," << c.y;
        EXPECT_EQ(r.endColumn, c.expected.endColumn) << c.x << "," << c.y;
    }
}

} // namespace
} // namespace vesk::omission

namespace vesk::omission {
namespace {

TEST(TrendLayout, PicturesOfAWindowHoldEveryRowOnceWithinTheHeight)
{
    // A short window: one picture.
    EXPECT_EQ(PictureRows(100, 20, 42, 80), (std::vector<RowSpan>{{0, 100}}));
    // The whole sample history at 20 pixels a row: several, each full but the last.
    const std::vector<RowSpan> spans = PictureRows(8374, 20, 42, 80);
    ASSERT_EQ(spans.size(), 6u);
    int next = 0;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        EXPECT_EQ(spans[i].first, next);
        const bool last = i + 1 == spans.size();
        EXPECT_LE(42 + (spans[i].end - spans[i].first) * 20 + (last ? 80 : 0), kMaxPictureHeight);
        next = spans[i].end;
    }
    EXPECT_EQ(next, 8374);
    // Rows that fill a picture but leave no room for the summary: the last
    // picture still gets a draw above the summary.
    const int perPicture = (kMaxPictureHeight - 42) / 20;
    const std::vector<RowSpan> edge = PictureRows(perPicture, 20, 42, 80);
    ASSERT_EQ(edge.size(), 2u);
    EXPECT_EQ(edge[1], (RowSpan{perPicture - 1, perPicture}));
    EXPECT_EQ(PictureRows(0, 20, 42, 80), (std::vector<RowSpan>{{0, 0}}));
    EXPECT_TRUE(PictureRows(10, 40000, 42, 80).empty());
}

TEST(TrendLayout, NumberedPictureNames)
{
    EXPECT_EQ(NumberedPicturePath("/tmp/和值分布图.png", 2), "/tmp/和值分布图-2.png");
    EXPECT_EQ(NumberedPicturePath("/tmp/a.b/chart", 1), "/tmp/a.b/chart-1");
    EXPECT_EQ(NumberedPicturePath("/tmp/.png", 3), "/tmp/.png-3");
}

} // namespace
} // namespace vesk::omission
