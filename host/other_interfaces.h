#pragma once
// Print and column arrangement ("RyxOther.dll": "IRyxPrint", "IArrange").

#include "host/host_services.h"
#include "host/reserved_slot.h"
#include "host/win_types.h"

namespace vesk {

inline constexpr ModuleNameRecord kPrintComponentName = ModuleNameRecord::Make("RyxOther.dll", "IRyxPrint");
inline constexpr ModuleNameRecord kArrangeComponentName = ModuleNameRecord::Make("RyxOther.dll", "IArrange");

// Our component's meaning of the slots is in components/other/print_component.h
// and arrange_component.h.
class IRyxPrint {
public:
    VESK_RESERVED_SLOT(0)
    VESK_RESERVED_SLOT(1)
    // Slot 2: starts a job of count items of a kind; kind 3, the one the
    // module passes, is a list of lottery numbers printed in columns.
    virtual SlotInt Begin(IHostObject* host, SlotInt count, SlotInt kind) = 0;
    // Slot 3: item index (UTF-8 text).
    virtual SlotInt SetItem(SlotInt index, const char* text) = 0;
    // Slot 4: prints the items.
    virtual SlotInt Print() = 0;

protected:
    ~IRyxPrint() = default;
};

class IArrange {
public:
    VESK_RESERVED_SLOT(0)
    VESK_RESERVED_SLOT(1)
    // Slot 2
    virtual SlotInt Initialize(IHostObject* host, WindowHandle owner) = 0;
    VESK_RESERVED_SLOT(3)
    VESK_RESERVED_SLOT(4)
    VESK_RESERVED_SLOT(5)
    VESK_RESERVED_SLOT(6)
    // Slot 7
    virtual SlotInt SetCaption(const char* caption) = 0;
    // Slot 8
    virtual SlotInt SetAreaCaptions(const char* shown, const char* hidden) = 0;
    VESK_RESERVED_SLOT(9)
    VESK_RESERVED_SLOT(10)
    VESK_RESERVED_SLOT(11)
    // Slot 12: option record of the shown columns.
    virtual SlotInt SetShownRecord(SlotInt optionId) = 0;
    // Slot 13: option record of the hidden columns.
    virtual SlotInt SetHiddenRecord(SlotInt optionId) = 0;
    // Slot 14: item images (normal, selected, dragged, hint) as the
    // framework's HBITMAPs; borrowed until slot 15 returns.
    virtual SlotInt SetImages(void* normal, void* selected, void* dragged, void* hint) = 0;
    // Slot 15: runs modally; 1 when the user changed and stored the arrangement.
    virtual SlotInt Run() = 0;

protected:
    ~IArrange() = default;
};

} // namespace vesk
