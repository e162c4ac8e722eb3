#pragma once
// Interface of a sibling feature module (a library the host loads on the
// module's request to serve tree features). Only the slots called are named.

#include "host/host_services.h"
#include "host/reserved_slot.h"
#include "host/win_types.h"

namespace vesk {

class IFeatureModule {
public:
    VESK_RESERVED_SLOT(0)
    VESK_RESERVED_SLOT(1)
    // Slot 2: (host, parent window handle).
    virtual SlotInt Initialize(IHostObject* host, WindowHandle parent) = 0;
    // Slot 3: show command (0 hide, 5 show).
    virtual SlotInt Show(SlotInt showCommand) = 0;
    VESK_RESERVED_SLOT(4)
    // Slot 5: the module's window handle.
    virtual WindowHandle GetWindow() = 0;
    // Slot 6: non-zero when the module consumed the message.
    virtual SlotInt FilterMessage(void* message) = 0;
    // Slot 7: arguments per feature row: (code) for rows 6-8;
    // (code, module, analysis) for rows 2-5, 9, 10;
    // (code, sub-code, module, analysis) for row 1. Unused arguments are 0.
    virtual SlotInt Open(SlotInt a, SlotInt b, SlotInt c, SlotInt d) = 0;
    // Slot 8
    virtual SlotInt Refresh() = 0;

protected:
    ~IFeatureModule() = default;
};

} // namespace vesk
