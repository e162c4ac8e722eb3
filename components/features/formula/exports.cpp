// The two entry points of libveskformula.so: rows 9-10 of the sibling module table, the banker/kill check and
// the formula search.

#include "components/features/formula/formula_feature.h"
#include "components/features/kit/feature_exports.h"

extern "C" __attribute__((visibility("default"))) std::intptr_t DllCreateInstance(
    const vesk::ModuleNameRecord* name, void** out)
{
    return vesk::features::CreateFeature<vesk::formula::FormulaFeature>(name, out,
        { vesk::SiblingRow::BankerCheck, vesk::SiblingRow::Formula },
        [](vesk::SiblingRow row) { return new (std::nothrow) vesk::formula::FormulaFeature(row); });
}

extern "C" __attribute__((visibility("default"))) std::intptr_t DllReleaseInstance(void** ref)
{
    return vesk::features::ReleaseFeature<vesk::formula::FormulaFeature>(ref);
}
