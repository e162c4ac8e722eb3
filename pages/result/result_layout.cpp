#include "pages/result/result_layout.h"

#include "pages/result/result_ids.h"

#include <algorithm>
#include <initializer_list>

namespace vesk::result {
namespace {

// count buttons of width c, 2 pixels apart, centred in width; c is at most 75
// and shrinks when the row does not fit.
std::vector<Placement> ButtonRow(std::initializer_list<unsigned> ids, int width, int y)
{
    const int count = static_cast<int>(ids.size());
    const int gaps = 2 * (count - 1);
    const int c = std::min((width - gaps) / count, 75);
    int x = (width - count * c - gaps) / 2;
    std::vector<Placement> row;
    for (const unsigned id : ids) {
        row.push_back({id, x, y, c, kControlHeight});
        x += c + 2;
    }
    return row;
}

} // namespace

int GridHeight(int height, int reservedBelow)
{
    return (height - reservedBelow) / 20 * 20;
}

ResultViewLayout LayoutResultView(int width, int height)
{
    ResultViewLayout layout;
    layout.grid = {kResultGrid, 0, 0, width, GridHeight(height, 71)};

    const int yA = height - 67;
    const int c = std::min((width - 145) / 2, 75);
    const int x0 = (width - 2 * c - 145) / 2;
    // The label ends where its 94 pixels end, and takes up to 40 pixels of
    // the margin on its left, so that counts of five digits and more fit.
    const int labelLeft = x0 - std::clamp(x0, 0, 40);
    layout.rowA = {
        {kStatusResult, labelLeft, yA, x0 + 94 - labelLeft, kControlHeight},
        {kOverwrite, x0 + 96, yA, 45, kControlHeight},
        {kGroupToSingle, x0 + 143, yA, c, kControlHeight},
        {kSingleToGroup, x0 + 145 + c, yA, c, kControlHeight},
    };
    layout.rowB = ButtonRow({kAdd, kDelete, kClear, kUndo, kRedo}, width, height - 44);
    layout.rowC = ButtonRow({kResultToEditor, kOpen, kSave, kPrint, kOptions, kToChart}, width, height - 21);
    return layout;
}

RecycleViewLayout LayoutRecycleView(int width, int height)
{
    RecycleViewLayout layout;
    layout.grid = {kRecycleGrid, 0, 0, width, GridHeight(height, 28)};
    const int y = height - 21;
    const int d = std::min(width - 110, 75);
    const int x = (width - d - 110) / 2;
    layout.row = {
        {kRecycleToEditor, x, y, d, kControlHeight},
        {kStatusRecycle, x + d + 10, y, 100, kControlHeight},
    };
    return layout;
}

} // namespace vesk::result
