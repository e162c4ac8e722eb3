// The two entry points of libryxgrid.so. Each request for the grid's name
// record makes a new grid; release accepts only grids this library made.

#include "components/grid/grid_control.h"

#include <algorithm>
#include <new>
#include <vector>

namespace {

std::vector<vesk::grid::GridControl*>& LiveGrids()
{
    static std::vector<vesk::grid::GridControl*> live;
    return live;
}

} // namespace

extern "C" __attribute__((visibility("default"))) std::intptr_t
DllCreateInstance(const vesk::ModuleNameRecord* name, void** out)
{
    if (!name || !out || !(*name == vesk::kGridComponentName))
        return 0;
    auto* grid = new (std::nothrow) vesk::grid::GridControl;
    if (!grid)
        return 0;
    try {
        LiveGrids().push_back(grid);
    } catch (const std::bad_alloc&) {
        delete grid;
        return 0;
    }
    *out = static_cast<vesk::IRyxGridCtrl*>(grid);
    return 1;
}

extern "C" __attribute__((visibility("default"))) std::intptr_t DllReleaseInstance(void** ref)
{
    if (!ref || !*ref)
        return 0;
    auto& live = LiveGrids();
    const auto it = std::find_if(live.begin(), live.end(), [ref](vesk::grid::GridControl* grid) {
        return static_cast<void*>(static_cast<vesk::IRyxGridCtrl*>(grid)) == *ref;
    });
    if (it == live.end())
        return 0;
    vesk::grid::GridControl* grid = *it;
    live.erase(it);
    delete grid;
    *ref = nullptr;
    return 1;
}
