#pragma once
// Which of the result page's controls are enabled, what its status labels
// say and which right-click menu items are offered, from the counts alone.
// The buttons need one row where the menu asks for two: a deliberate
// difference the page keeps.

#include <string>
#include <vector>

namespace vesk::result {

struct PageCounts {
    long long resultRows = 0;
    long long selectedRows = 0;
    long long recycleRows = 0;
    bool canUndo = false;
    bool canRedo = false;
};

struct ControlState {
    unsigned id = 0;
    bool enabled = false;
};

// Every button whose state follows the counts, in a fixed order.
std::vector<ControlState> ButtonStates(const PageCounts& counts);

std::string ResultStatusText(long long rows);  // "缩水结果:%d注"
std::string RecycleStatusText(long long rows); // "回收区结果:%d注"

struct MenuEntry {
    std::string text; // empty for a separator
    unsigned id = 0;  // 0 for a separator
    bool enabled = false;
};

// The sixteen entries of the right-click menu, separators included.
std::vector<MenuEntry> ResultMenu(const PageCounts& counts);

} // namespace vesk::result
