#pragma once
// Service 2: the 3-digit game.

#include "host/host_services.h"

namespace vesk::app {

class GameService final : public IGameService {
public:
    static constexpr SlotInt kDigits = 3;
    static constexpr SlotInt kListKey = 61;
    static constexpr SlotInt kListSubKey = 1;
    static constexpr SlotInt kFirstN = 3;
    static constexpr SlotInt kEndN = 10;

    // Slot 1 (0): the digit count, which slot 18 takes as its context v.
    SlotInt GetAttributeContext(SlotInt which) override;
    SlotInt GetListKey() override { return kListKey; }
    SlotInt GetListSubKey() override { return kListSubKey; }
    // (1): digits per number; (0): first N of the N-code items.
    SlotInt GetNumberLength(SlotInt which) override { return which == kDigitsPerNumber ? kDigits : kFirstN; }
    SlotInt GetNEnd(SlotInt) override { return kEndN; }
    // 跨度 (0x80000001) and 和尾 (0x80000010) of the v digits; 0 for anything else.
    SlotInt GetAttribute(SlotInt attribute, SlotInt kind, SlotInt context, const std::uint8_t* digits) override;
};

} // namespace vesk::app
