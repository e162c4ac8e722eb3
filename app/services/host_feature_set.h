#pragma once
// Several named host features behind host slots 5 and 6: a name goes to the
// first feature that knows it, and slot 5 answers for the one opened last.

#include "app/services/host_features.h"

#include <vector>

namespace vesk::app {

class HostFeatureSet final : public HostFeatures {
public:
    // feature is borrowed and must outlive this set.
    void Add(HostFeatures* feature) { m_features.push_back(feature); }

    WindowHandle FeatureWindow(SlotInt which) override;
    SlotInt OpenFeature(const char* name, SlotInt arg) override;

private:
    std::vector<HostFeatures*> m_features;
    HostFeatures* m_opened = nullptr;
};

} // namespace vesk::app
