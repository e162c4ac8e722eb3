// The two entry points of the library. An instance is created per request
// for a record of the sibling module table; release accepts only pointers
// this library handed out.

#include "components/feature_sample/sample_feature.h"
#include "components/features/handed_out.h"
#include "host/module_interface.h"
#include "module/sibling_modules.h"

#include <algorithm>
#include <new>

namespace {

vesk::features::HandedOut<vesk::sample::SampleFeature>& LiveInstances()
{
    static vesk::features::HandedOut<vesk::sample::SampleFeature> live;
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
    *out = LiveInstances().Add(feature);
    return 1;
}

extern "C" __attribute__((visibility("default"))) std::intptr_t DllReleaseInstance(void** ref)
{
    return LiveInstances().Release(ref) ? 1 : 0;
}
