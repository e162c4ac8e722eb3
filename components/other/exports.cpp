// The two entry points of libryxother.so. Each request makes a new instance
// of the interface the record names; release accepts only instances this
// library made and still holds.

#include "components/other/arrange_component.h"
#include "components/other/print_component.h"

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

namespace {

struct LiveInstance {
    void* iface;                     // the pointer handed out
    std::shared_ptr<void> instance;  // owns the object behind it
};

std::vector<LiveInstance>& Live()
{
    static std::vector<LiveInstance> live;
    return live;
}

template <typename Interface, typename Component>
std::intptr_t Hand(void** out)
{
    try {
        auto component = std::make_shared<Component>();
        Interface* iface = component.get();
        Live().push_back({iface, std::move(component)});
        *out = iface;
        return 1;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

} // namespace

extern "C" __attribute__((visibility("default"))) std::intptr_t
DllCreateInstance(const vesk::ModuleNameRecord* name, void** out)
{
    if (!name || !out)
        return 0;
    if (*name == vesk::kPrintComponentName)
        return Hand<vesk::IRyxPrint, vesk::other::PrintComponent>(out);
    if (*name == vesk::kArrangeComponentName)
        return Hand<vesk::IArrange, vesk::other::ArrangeComponent>(out);
    return 0;
}

extern "C" __attribute__((visibility("default"))) std::intptr_t DllReleaseInstance(void** ref)
{
    if (!ref || !*ref)
        return 0;
    auto& live = Live();
    const auto it = std::find_if(live.begin(), live.end(), [ref](const LiveInstance& l) { return l.iface == *ref; });
    if (it == live.end())
        return 0;
    // Out of the list first: destroying a dialog may run code that looks at it.
    const std::shared_ptr<void> instance = std::move(it->instance);
    live.erase(it);
    *ref = nullptr;
    return 1;
}
