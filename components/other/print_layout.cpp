#include "components/other/print_layout.h"

#include <algorithm>
#include <cmath>

namespace vesk::other {
namespace {

// How many whole units of `step` fit in `room`, at least one: a page too
// small for one item still prints it rather than looping without progress.
int FitAtLeastOne(double room, double step)
{
    if (!(step > 0) || !(room > step))
        return 1;
    const double whole = std::floor(room / step);
    return whole >= 1e6 ? 1'000'000 : std::max(1, static_cast<int>(whole));
}

} // namespace

PagePlan PlanPages(const PageGeometry& geometry, std::size_t itemCount)
{
    PagePlan plan;
    plan.columns = FitAtLeastOne(geometry.width, geometry.cellWidth);
    plan.linesPerPage
        = FitAtLeastOne(geometry.height - geometry.headerHeight - geometry.footerHeight, geometry.lineHeight);
    const std::size_t perPage = plan.PerPage();
    plan.pageCount = std::max<int>(1, static_cast<int>((itemCount + perPage - 1) / perPage));
    return plan;
}

CellPlace PlaceOf(const PagePlan& plan, std::size_t index)
{
    const std::size_t perPage = plan.PerPage();
    const std::size_t onPage = index % perPage;
    return {static_cast<int>(index / perPage), static_cast<int>(onPage / static_cast<std::size_t>(plan.columns)),
            static_cast<int>(onPage % static_cast<std::size_t>(plan.columns))};
}

ItemRange ItemsOfPage(const PagePlan& plan, std::size_t itemCount, int page)
{
    if (page < 0)
        return {};
    const std::size_t first = static_cast<std::size_t>(page) * plan.PerPage();
    if (first >= itemCount)
        return {itemCount, itemCount};
    return {first, std::min(itemCount, first + plan.PerPage())};
}

} // namespace vesk::other
