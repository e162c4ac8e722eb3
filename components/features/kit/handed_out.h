#pragma once
// The feature instances a library handed out through DllCreateInstance, so
// that DllReleaseInstance deletes only pointers it made, each once.

#include "host/module_interface.h"

#include <algorithm>
#include <vector>

namespace vesk::features {

template <class Feature>
class HandedOut {
public:
    // Takes feature; the pointer for the caller's out parameter.
    void* Add(Feature* feature)
    {
        m_live.push_back(feature);
        return static_cast<IFeatureModule*>(feature);
    }

    // Deletes the instance *ref points to and clears *ref; false (and nothing
    // done) for a pointer this library did not hand out.
    bool Release(void** ref)
    {
        if (!ref || !*ref)
            return false;
        const auto it = std::find_if(m_live.begin(), m_live.end(), [ref](Feature* feature) {
            return static_cast<void*>(static_cast<IFeatureModule*>(feature)) == *ref;
        });
        if (it == m_live.end())
            return false;
        Feature* feature = *it;
        m_live.erase(it);
        delete feature;
        *ref = nullptr;
        return true;
    }

private:
    std::vector<Feature*> m_live;
};

} // namespace vesk::features
