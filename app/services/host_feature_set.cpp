#include "app/services/host_feature_set.h"

namespace vesk::app {

WindowHandle HostFeatureSet::FeatureWindow(SlotInt which)
{
    return m_opened ? m_opened->FeatureWindow(which) : 0;
}

SlotInt HostFeatureSet::OpenFeature(const char* name, SlotInt arg)
{
    for (HostFeatures* feature : m_features) {
        if (feature->OpenFeature(name, arg) == 1) {
            m_opened = feature;
            return 1;
        }
    }
    return 0;
}

} // namespace vesk::app
