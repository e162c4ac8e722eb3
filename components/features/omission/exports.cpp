// The two entry points of libveskomit.so: row 1 of the sibling module table, the omission lists and the skew
// search.

#include "components/features/omission/omission_feature.h"
#include "components/features/kit/feature_exports.h"

extern "C" __attribute__((visibility("default"))) std::intptr_t DllCreateInstance(
    const vesk::ModuleNameRecord* name, void** out)
{
    return vesk::features::CreateFeature<vesk::omission::OmissionFeature>(name, out,
        { vesk::SiblingRow::Omission },
        [](vesk::SiblingRow) { return new (std::nothrow) vesk::omission::OmissionFeature(); });
}

extern "C" __attribute__((visibility("default"))) std::intptr_t DllReleaseInstance(void** ref)
{
    return vesk::features::ReleaseFeature<vesk::omission::OmissionFeature>(ref);
}
