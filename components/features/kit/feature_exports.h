#pragma once
// The body of a feature library's two entry points: a feature made for a
// name record of one of the rows the library serves, and released only when
// this library handed it out.

#include "components/features/kit/feature_base.h"
#include "components/features/kit/handed_out.h"

#include "host/sibling_modules.h"

#include <cstdint>
#include <initializer_list>
#include <new>

namespace vesk::features {

template <class Feature> HandedOut<Feature>& LiveFeatures()
{
    static HandedOut<Feature> live;
    return live;
}

// make(row) makes the feature of a served row (new (std::nothrow)).
template <class Feature, class Make>
std::intptr_t CreateFeature(
    const ModuleNameRecord* name, void** out, std::initializer_list<SiblingRow> rows, Make make)
{
    if (!name || !out)
        return 0;
    for (SiblingRow row : rows) {
        if (!(*name == SiblingModule(row)))
            continue;
        // A hand-off to the workbench finishes after the host has released
        // the feature (opening the workbench closes it), so the library stays
        // mapped once it was loaded.
        if (!PinThisLibrary())
            return 0;
        Feature* feature = make(row);
        if (!feature)
            return 0;
        *out = LiveFeatures<Feature>().Add(feature);
        return 1;
    }
    return 0;
}

template <class Feature> std::intptr_t ReleaseFeature(void** ref)
{
    return LiveFeatures<Feature>().Release(ref) ? 1 : 0;
}

} // namespace vesk::features
