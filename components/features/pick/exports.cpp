// The two entry points of libveskpick.so: rows 6-7 of the sibling module table, the smart-pick methods and
// their list.

#include "components/features/pick/pick_feature.h"
#include "components/features/kit/feature_exports.h"

extern "C" __attribute__((visibility("default"))) std::intptr_t DllCreateInstance(
    const vesk::ModuleNameRecord* name, void** out)
{
    return vesk::features::CreateFeature<vesk::pick::PickFeature>(name, out,
        { vesk::SiblingRow::SmartPick, vesk::SiblingRow::PickHelper },
        [](vesk::SiblingRow) { return new (std::nothrow) vesk::pick::PickFeature(); });
}

extern "C" __attribute__((visibility("default"))) std::intptr_t DllReleaseInstance(void** ref)
{
    return vesk::features::ReleaseFeature<vesk::pick::PickFeature>(ref);
}
