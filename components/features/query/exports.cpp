// The two entry points of libveskquery.so. It serves rows 2-5 of the sibling
// module table, one feature instance per interface name; release accepts
// only pointers this library handed out.

#include "components/features/query/query_feature.h"
#include "components/features/handed_out.h"
#include "host/module_interface.h"

#include <new>

namespace {

vesk::features::HandedOut<vesk::query::QueryFeature>& LiveInstances()
{
    static vesk::features::HandedOut<vesk::query::QueryFeature> live;
    return live;
}

} // namespace

extern "C" __attribute__((visibility("default"))) std::intptr_t
DllCreateInstance(const vesk::ModuleNameRecord* name, void** out)
{
    if (!name || !out)
        return 0;
    const std::optional<vesk::SiblingRow> row = vesk::query::QueryRowOf(*name);
    // The hand-off to the workbench finishes after the host has released
    // the feature, so the library stays mapped once it was loaded.
    if (!row || !vesk::features::PinThisLibrary())
        return 0;
    auto* feature = new (std::nothrow) vesk::query::QueryFeature(*row);
    if (!feature)
        return 0;
    *out = LiveInstances().Add(feature);
    return 1;
}

extern "C" __attribute__((visibility("default"))) std::intptr_t DllReleaseInstance(void** ref)
{
    return LiveInstances().Release(ref) ? 1 : 0;
}
