// The two entry points of libvesk.so. Each request makes a new instance, so
// the two condition pages keep two independent engines; release accepts
// only instances this library made and that are still alive.

#include "components/filter/component/live_engines.h"
#include "components/filter/window/condition_window.h"
#include "host/module_name_record.h"

#include <algorithm>
#include <new>
#include <vector>

namespace vesk::filter {
namespace {

constexpr ModuleNameRecord kFilterName = ModuleNameRecord::Make("Vesk.dll", "IRyxFilter");
constexpr ModuleNameRecord kWindowName = ModuleNameRecord::Make("Vesk.dll", "IRyxConWnd");

std::vector<ConditionWindow*>& Windows()
{
    static std::vector<ConditionWindow*> live;
    return live;
}

std::intptr_t MakeEngine(void** out)
{
    auto* engine = new (std::nothrow) FilterComponent;
    if (!engine)
        return 0;
    if (!AddLiveEngine(engine)) {
        delete engine;
        return 0;
    }
    *out = static_cast<IRyxFilter*>(engine);
    return 1;
}

std::intptr_t MakeWindow(void** out)
{
    auto* window = new (std::nothrow) ConditionWindow;
    if (!window)
        return 0;
    try {
        Windows().push_back(window);
    } catch (const std::bad_alloc&) {
        delete window;
        return 0;
    }
    *out = static_cast<IRyxConWnd*>(window);
    return 1;
}

bool ReleaseWindow(void* instance)
{
    auto& live = Windows();
    const auto it = std::find_if(live.begin(), live.end(), [instance](ConditionWindow* window) {
        return static_cast<void*>(static_cast<IRyxConWnd*>(window)) == instance;
    });
    if (it == live.end())
        return false;
    ConditionWindow* window = *it;
    live.erase(it);
    delete window;
    return true;
}

bool ReleaseEngine(void* instance)
{
    FilterComponent* engine = LiveEngineAt(instance);
    if (!engine)
        return false;
    RemoveLiveEngine(engine);
    delete engine;
    return true;
}

} // namespace
} // namespace vesk::filter

extern "C" __attribute__((visibility("default"))) std::intptr_t
DllCreateInstance(const vesk::ModuleNameRecord* name, void** out)
{
    using namespace vesk::filter;
    if (!name || !out)
        return 0;
    if (*name == kFilterName)
        return MakeEngine(out);
    if (*name == kWindowName)
        return MakeWindow(out);
    return 0;
}

extern "C" __attribute__((visibility("default"))) std::intptr_t DllReleaseInstance(void** ref)
{
    using namespace vesk::filter;
    if (!ref || !*ref)
        return 0;
    if (!ReleaseEngine(*ref) && !ReleaseWindow(*ref))
        return 0;
    *ref = nullptr;
    return 1;
}
