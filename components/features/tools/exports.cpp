// The two entry points of libvesktools.so. It serves row 8 of the sibling
// module table only; release accepts only pointers this library handed out.

#include "components/features/tools/tools_feature.h"
#include "components/features/handed_out.h"
#include "host/module_interface.h"
#include "module/sibling_modules.h"

#include <new>

namespace {

vesk::features::HandedOut<vesk::tools::ToolsFeature>& LiveInstances()
{
    static vesk::features::HandedOut<vesk::tools::ToolsFeature> live;
    return live;
}

} // namespace

extern "C" __attribute__((visibility("default"))) std::intptr_t
DllCreateInstance(const vesk::ModuleNameRecord* name, void** out)
{
    if (!name || !out || !(*name == vesk::SiblingModule(vesk::SiblingRow::Toolkit)))
        return 0;
    // A hand-off to the workbench finishes after the host released the
    // feature, so the library stays mapped once loaded.
    if (!vesk::features::PinThisLibrary())
        return 0;
    auto* feature = new (std::nothrow) vesk::tools::ToolsFeature();
    if (!feature)
        return 0;
    *out = LiveInstances().Add(feature);
    return 1;
}

extern "C" __attribute__((visibility("default"))) std::intptr_t DllReleaseInstance(void** ref)
{
    return LiveInstances().Release(ref) ? 1 : 0;
}
