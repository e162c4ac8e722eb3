#pragma once
// Where each item of a print job lands: items fill a page line by line, left
// to right, in as many columns of equal width as the page holds, below a
// header band and above a footer band; as many pages as needed. Measures are
// in any one unit (the printer's device pixels in practice).

#include <cstddef>

namespace vesk::other {

struct PageGeometry {
    double width = 0;        // printable width
    double height = 0;       // printable height
    double headerHeight = 0; // title, count and date
    double footerHeight = 0; // page number
    double cellWidth = 1;    // one item with its gap
    double lineHeight = 1;
};

struct PagePlan {
    int columns = 1;      // items per line, at least 1
    int linesPerPage = 1; // at least 1, so a page always takes items
    int pageCount = 1;    // at least 1
    std::size_t PerPage() const { return static_cast<std::size_t>(columns) * static_cast<std::size_t>(linesPerPage); }
};

struct CellPlace {
    int page = 0; // 0-based
    int line = 0;
    int column = 0;
};

PagePlan PlanPages(const PageGeometry& geometry, std::size_t itemCount);
CellPlace PlaceOf(const PagePlan& plan, std::size_t index);
// The items of page (0-based) as [first, last); empty past the last page.
struct ItemRange {
    std::size_t first = 0;
    std::size_t last = 0;
};
ItemRange ItemsOfPage(const PagePlan& plan, std::size_t itemCount, int page);

} // namespace vesk::other
