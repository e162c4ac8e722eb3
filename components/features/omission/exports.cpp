// The two entry points of libveskomit.so. It serves row 1 of the sibling
// module table only; release accepts only pointers this library handed out.

#include "components/features/omission/omission_feature.h"
#include "components/features/handed_out.h"
#include "host/module_interface.h"
#include "module/sibling_modules.h"

#include <new>

namespace {

vesk::features::HandedOut<vesk::omission::OmissionFeature>& LiveInstances()
{
    static vesk::features::HandedOut<vesk::omission::OmissionFeature> live;
    return live;
}

} // namespace

extern "C" __attribute__((visibility("default"))) std::intptr_t
DllCreateInstance(const vesk::ModuleNameRecord* name, void** out)
{
    if (!name || !out || !(*name == vesk::SiblingModule(vesk::SiblingRow::Omission)))
        return 0;
    // The hand-off to the workbench finishes after the host has released the
    // feature (opening the workbench closes it).
    if (!vesk::features::PinThisLibrary())
        return 0;
    auto* feature = new (std::nothrow) vesk::omission::OmissionFeature();
    if (!feature)
        return 0;
    *out = LiveInstances().Add(feature);
    return 1;
}

extern "C" __attribute__((visibility("default"))) std::intptr_t DllReleaseInstance(void** ref)
{
    return LiveInstances().Release(ref) ? 1 : 0;
}
