#pragma once
// Where the result page puts its controls for a client size. Rows of buttons
// are centred, each button at most 75 pixels wide and 21 high; the grids
// take the height above them in whole 20-pixel rows.

#include "host/win_types.h"

#include <vector>

namespace vesk::result {

struct Placement {
    unsigned id = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

inline constexpr int kControlHeight = 21;

// Result view: the result grid, then rows A (status, 覆盖, 组变单, 单变组),
// B (添加 .. 恢复) and C (8354, 打开 .. 转图表), each row as one group so a
// caller can skip a row whose controls are not all there.
struct ResultViewLayout {
    Placement grid;
    std::vector<Placement> rowA;
    std::vector<Placement> rowB;
    std::vector<Placement> rowC;
};
ResultViewLayout LayoutResultView(int width, int height);

// Recycle view: the recycle grid, then button 8546 and label 8547.
struct RecycleViewLayout {
    Placement grid;
    std::vector<Placement> row;
};
RecycleViewLayout LayoutRecycleView(int width, int height);

// The grid height for a client height: whole 20-pixel rows of what is left
// above reservedBelow pixels (truncating toward zero, as the page divides).
int GridHeight(int height, int reservedBelow);

} // namespace vesk::result
