// The two entry points of libveskformula.so. It serves rows 9 and 10 of the
// sibling module table, one feature instance per interface name; release
// accepts only pointers this library handed out.

#include "components/features/formula/formula_feature.h"
#include "components/features/handed_out.h"
#include "host/module_interface.h"

#include <new>

namespace {

vesk::features::HandedOut<vesk::formula::FormulaFeature>& LiveInstances()
{
    static vesk::features::HandedOut<vesk::formula::FormulaFeature> live;
    return live;
}

} // namespace

extern "C" __attribute__((visibility("default"))) std::intptr_t
DllCreateInstance(const vesk::ModuleNameRecord* name, void** out)
{
    if (!name || !out)
        return 0;
    const std::optional<vesk::SiblingRow> row = vesk::formula::FormulaRowOf(*name);
    // A window's export dialog and the host's release may outlive a
    // feature; the library stays mapped once it was loaded.
    if (!row || !vesk::features::PinThisLibrary())
        return 0;
    auto* feature = new (std::nothrow) vesk::formula::FormulaFeature(*row);
    if (!feature)
        return 0;
    *out = LiveInstances().Add(feature);
    return 1;
}

extern "C" __attribute__((visibility("default"))) std::intptr_t DllReleaseInstance(void** ref)
{
    return LiveInstances().Release(ref) ? 1 : 0;
}
