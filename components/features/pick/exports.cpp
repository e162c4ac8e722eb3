// The two entry points of libveskpick.so. It serves rows 6 (the smart-pick
// methods) and 7 (their list) of the sibling module table; release accepts
// only pointers this library handed out.

#include "components/features/pick/pick_feature.h"
#include "components/features/handed_out.h"
#include "host/module_interface.h"
#include "module/sibling_modules.h"

#include <new>

namespace {

vesk::features::HandedOut<vesk::pick::PickFeature>& LiveInstances()
{
    static vesk::features::HandedOut<vesk::pick::PickFeature> live;
    return live;
}

} // namespace

extern "C" __attribute__((visibility("default"))) std::intptr_t
DllCreateInstance(const vesk::ModuleNameRecord* name, void** out)
{
    if (!name || !out ||
        !(*name == vesk::SiblingModule(vesk::SiblingRow::SmartPick) || *name == vesk::SiblingModule(vesk::SiblingRow::PickHelper)))
        return 0;
    // The hand-off to the workbench finishes after the host has released the
    // feature (opening the workbench closes it).
    if (!vesk::features::PinThisLibrary())
        return 0;
    auto* feature = new (std::nothrow) vesk::pick::PickFeature();
    if (!feature)
        return 0;
    *out = LiveInstances().Add(feature);
    return 1;
}

extern "C" __attribute__((visibility("default"))) std::intptr_t DllReleaseInstance(void** ref)
{
    return LiveInstances().Release(ref) ? 1 : 0;
}
