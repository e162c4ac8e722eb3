#pragma once
// The host's own features that a module opens by name (host slots 5 and 6),
// supplied by the window layer; the host object only passes the calls on.

#include "host/win_types.h"

namespace vesk::app {

class HostFeatures {
public:
    virtual ~HostFeatures() = default;
    // Slot 5: the window of the feature last opened by name (which = 1), or 0.
    virtual WindowHandle FeatureWindow(SlotInt which) = 0;
    // Slot 6: opens the feature name names; 1 when it is open now, 0 for a
    // name the host does not know.
    virtual SlotInt OpenFeature(const char* name, SlotInt arg) = 0;
};

} // namespace vesk::app
