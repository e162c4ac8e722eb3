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
