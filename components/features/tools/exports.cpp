// The two entry points of libvesktools.so: row 8 of the sibling module table, the betting guide and the list
// tools.

#include "components/features/tools/tools_feature.h"
#include "components/features/kit/feature_exports.h"

extern "C" __attribute__((visibility("default"))) std::intptr_t DllCreateInstance(
    const vesk::ModuleNameRecord* name, void** out)
{
    return vesk::features::CreateFeature<vesk::tools::ToolsFeature>(name, out, { vesk::SiblingRow::Toolkit },
        [](vesk::SiblingRow) { return new (std::nothrow) vesk::tools::ToolsFeature(); });
}

extern "C" __attribute__((visibility("default"))) std::intptr_t DllReleaseInstance(void** ref)
{
    return vesk::features::ReleaseFeature<vesk::tools::ToolsFeature>(ref);
}
