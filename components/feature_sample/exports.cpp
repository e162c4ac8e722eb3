// The two entry points of the library. An instance is created per request
// for a record of the sibling module table; release accepts only pointers
// this library handed out.

#include "components/feature_sample/sample_feature.h"
#include "host/module_interface.h"
#include "module/sibling_modules.h"

#include <algorithm>
#include <new>
#include <vector>

namespace {

std::vector<vesk::sample::SampleFeature*>& LiveInstances()
{
    static std::vector<vesk::sample::SampleFeature*> live;
    return live;
}

} // namespace

extern "C" __attribute__((visibility("default"))) std::intptr_t
DllCreateInstance(const vesk::ModuleNameRecord* name, void** out)
{
    if (!name || !out)
        return 0;
    const auto& rows = vesk::kSiblingModules;
    const auto row = std::find(rows.begin(), rows.end(), *name);
    if (row == rows.end())
        return 0;
    auto* feature = new (std::nothrow) vesk::sample::SampleFeature(*name, static_cast<int>(row - rows.begin()) + 1);
    if (!feature)
        return 0;
    LiveInstances().push_back(feature);
    *out = static_cast<vesk::IFeatureModule*>(feature);
    return 1;
}

extern "C" __attribute__((visibility("default"))) std::intptr_t DllReleaseInstance(void** ref)
{
    if (!ref || !*ref)
        return 0;
    auto& live = LiveInstances();
    const auto it = std::find_if(live.begin(), live.end(), [ref](vesk::sample::SampleFeature* feature) {
        return static_cast<void*>(static_cast<vesk::IFeatureModule*>(feature)) == *ref;
    });
    if (it == live.end())
        return 0;
    vesk::sample::SampleFeature* feature = *it;
    live.erase(it);
    delete feature;
    *ref = nullptr;
    return 1;
}
