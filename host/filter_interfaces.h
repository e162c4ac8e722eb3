#pragma once
// The filter engine and the condition window of the filter component
// ("Vesk.dll": "IRyxFilter", "IRyxConWnd"). Results not named are not read.

#include "host/host_services.h"
#include "host/reserved_slot.h"
#include "host/win_types.h"

#include <cstdint>
#include <cstdio>

namespace vesk {

class IModule;

class IRyxFilter {
public:
    VESK_RESERVED_SLOT(0)
    VESK_RESERVED_SLOT(1)
    // Slot 2: pageKind 0 = fixed conditions, 1 = combined conditions.
    virtual SlotInt Setup(IHostObject* host, IModule* catalogue, SlotInt pageKind) = 0;
    VESK_RESERVED_SLOT(3)
    VESK_RESERVED_SLOT(4)
    VESK_RESERVED_SLOT(5)
    VESK_RESERVED_SLOT(6)
    VESK_RESERVED_SLOT(7)
    VESK_RESERVED_SLOT(8)
    VESK_RESERVED_SLOT(9)
    VESK_RESERVED_SLOT(10)
    VESK_RESERVED_SLOT(11)
    VESK_RESERVED_SLOT(12)
    // Slot 13: combined page; > 0 when there is state to keep.
    virtual SlotInt CombinedConditionCount() = 0;
    VESK_RESERVED_SLOT(14)
    VESK_RESERVED_SLOT(15)
    VESK_RESERVED_SLOT(16)
    VESK_RESERVED_SLOT(17)
    // Slot 18: (0) fixed page; > 0 when there is state to keep.
    virtual SlotInt FixedConditionCount(SlotInt which) = 0;
    VESK_RESERVED_SLOT(19)
    VESK_RESERVED_SLOT(20)
    VESK_RESERVED_SLOT(21)
    VESK_RESERVED_SLOT(22)
    // Slot 23: non-zero when ready to run; else a NUL-terminated message for
    // the user in the 256-byte buffer.
    virtual SlotInt CheckReady(char* message256) = 0;
    VESK_RESERVED_SLOT(24)
    // Slot 25
    virtual SlotInt BeginRun() = 0;
    // Slot 26: non-zero when the analysis service's current number passes.
    virtual SlotInt Passes() = 0;
    // Slot 27
    virtual SlotInt EndRun() = 0;
    VESK_RESERVED_SLOT(28)
    VESK_RESERVED_SLOT(29)
    VESK_RESERVED_SLOT(30)
    // Slot 31: restores conditions from a file open for reading.
    virtual SlotInt LoadState(std::FILE* file, char* message256, SlotInt a, SlotInt b) = 0;
    // Slot 32: writes conditions to a file open for writing.
    virtual SlotInt SaveState(std::FILE* file, char* message256, SlotInt a) = 0;

protected:
    ~IRyxFilter() = default;
};

class IRyxConWnd {
public:
    VESK_RESERVED_SLOT(0)
    VESK_RESERVED_SLOT(1)
    // Slot 2: creates the window as a child of parent.
    virtual SlotInt Create(IHostObject* host, WindowHandle parent) = 0;
    // Slot 3: the list the next run judges, handed in after every change of
    // the workbench's result list: count numbers of length digit values
    // (0..9) each, one after another. The preview counts over it; with count
    // 0 (digits may then be null) over the whole game space. 1 when taken, 0
    // for another length than the game's or a digit above 9.
    virtual SlotInt SetJudgedNumbers(const std::uint8_t* digits, SlotInt count, SlotInt length) = 0;
    VESK_RESERVED_SLOT(4)
    VESK_RESERVED_SLOT(5)
    VESK_RESERVED_SLOT(6)
    // Slot 7: the engine whose conditions the window edits.
    virtual SlotInt Bind(IRyxFilter* filter, IModule* catalogue) = 0;
    // Slot 8: placement 4 = fixed page, 2 = combined page.
    virtual SlotInt Place(SlotInt placement, const Rect* rect, SlotInt flag, void* workbench) = 0;
    // Slot 9
    virtual SlotInt Resize(const Rect* rect) = 0;
    // Slot 10: commits pending edits to the engine.
    virtual SlotInt Commit() = 0;

protected:
    ~IRyxConWnd() = default;
};

} // namespace vesk
