// The two entry points of libveskquery.so: rows 2-5 of the sibling module table, the number lookup, the
// pattern-string lookup, the straight statistics and the state table.

#include "components/features/query/query_feature.h"
#include "components/features/kit/feature_exports.h"

extern "C" __attribute__((visibility("default"))) std::intptr_t DllCreateInstance(
    const vesk::ModuleNameRecord* name, void** out)
{
    return vesk::features::CreateFeature<vesk::query::QueryFeature>(name, out,
        { vesk::SiblingRow::Lookup, vesk::SiblingRow::Pattern, vesk::SiblingRow::Straight,
            vesk::SiblingRow::StateTable },
        [](vesk::SiblingRow row) { return new (std::nothrow) vesk::query::QueryFeature(row); });
}

extern "C" __attribute__((visibility("default"))) std::intptr_t DllReleaseInstance(void** ref)
{
    return vesk::features::ReleaseFeature<vesk::query::QueryFeature>(ref);
}
