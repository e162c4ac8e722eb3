// The print job's bounds and the page plan, without a printer.
#include "components/other/print_job.h"
#include "components/other/print_layout.h"

#include <gtest/gtest.h>

namespace vesk::other {
namespace {

TEST(PrintJob, BeginAcceptsOnlyNumberListsOfAPositiveCount)
{
    PrintJob job;
    EXPECT_FALSE(job.Begin(5, 2));
    EXPECT_FALSE(job.Begin(0, kPrintKindNumbers));
    EXPECT_FALSE(job.Begin(-1, kPrintKindNumbers));
    EXPECT_FALSE(job.Begin(kMaxPrintItems + 1, kPrintKindNumbers));
    EXPECT_FALSE(job.Started());
    ASSERT_TRUE(job.Begin(3, kPrintKindNumbers));
    EXPECT_EQ(job.Items().size(), 3u);
}

TEST(PrintJob, SetItemStaysInsideTheJobAndANewBeginForgetsTheOld)
{
    PrintJob job;
    EXPECT_FALSE(job.SetItem(0, "123"));
    ASSERT_TRUE(job.Begin(2, kPrintKindNumbers));
    EXPECT_TRUE(job.SetItem(0, "123"));
    EXPECT_TRUE(job.SetItem(1, "45678"));
    EXPECT_FALSE(job.SetItem(2, "999"));
    EXPECT_FALSE(job.SetItem(-1, "999"));
    EXPECT_FALSE(job.SetItem(1, nullptr));
    EXPECT_EQ(job.Items()[1], "45678");
    EXPECT_EQ(job.LongestItem(), 5u);
    ASSERT_TRUE(job.Begin(1, kPrintKindNumbers));
    EXPECT_EQ(job.Items(), std::vector<std::string>{""});
}

PageGeometry Page()
{
    PageGeometry g;
    g.width = 100;  // 4 cells of 25
    g.height = 130; // 100 for lines after header 20 and footer 10
    g.headerHeight = 20;
    g.footerHeight = 10;
    g.cellWidth = 25;
    g.lineHeight = 10;
    return g;
}

TEST(PrintLayout, FillsLinesLeftToRightThenPages)
{
    const PagePlan plan = PlanPages(Page(), 81);
    EXPECT_EQ(plan.columns, 4);
    EXPECT_EQ(plan.linesPerPage, 10);
    EXPECT_EQ(plan.pageCount, 3); // 40 + 40 + 1
    const CellPlace fifth = PlaceOf(plan, 5);
    EXPECT_EQ(fifth.page, 0);
    EXPECT_EQ(fifth.line, 1);
    EXPECT_EQ(fifth.column, 1);
    const CellPlace last = PlaceOf(plan, 80);
    EXPECT_EQ(last.page, 2);
    EXPECT_EQ(last.line, 0);
    EXPECT_EQ(last.column, 0);
    const CellPlace endOfFirst = PlaceOf(plan, 39);
    EXPECT_EQ(endOfFirst.page, 0);
    EXPECT_EQ(endOfFirst.line, 9);
    EXPECT_EQ(endOfFirst.column, 3);
}

TEST(PrintLayout, PagesSplitTheItemsWithoutGapOrOverlap)
{
    const PagePlan plan = PlanPages(Page(), 80);
    EXPECT_EQ(plan.pageCount, 2);
    std::size_t next = 0;
    for (int page = 0; page < plan.pageCount; ++page) {
        const ItemRange range = ItemsOfPage(plan, 80, page);
        EXPECT_EQ(range.first, next);
        next = range.last;
    }
    EXPECT_EQ(next, 80u);
    const ItemRange past = ItemsOfPage(plan, 80, 2);
    EXPECT_EQ(past.first, past.last);
}

TEST(PrintLayout, APageTooSmallStillTakesOneItemAndNothingIsEmpty)
{
    PageGeometry tiny = Page();
    tiny.width = 10;
    tiny.height = 25; // less than header + footer + a line
    const PagePlan plan = PlanPages(tiny, 3);
    EXPECT_EQ(plan.columns, 1);
    EXPECT_EQ(plan.linesPerPage, 1);
    EXPECT_EQ(plan.pageCount, 3);
    EXPECT_EQ(PlanPages(Page(), 0).pageCount, 1);
    PageGeometry zero = Page();
    zero.cellWidth = 0;
    zero.lineHeight = 0;
    EXPECT_EQ(PlanPages(zero, 7).pageCount, 7);
}

} // namespace
} // namespace vesk::other
