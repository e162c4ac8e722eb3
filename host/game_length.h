#pragma once
// The game's digits per number, with the one fallback every caller shares.

#include "host/host_services.h"

namespace vesk {

// Digits a game's numbers may have: the list formats hold at most 8.
inline constexpr SlotInt kLongestGameNumber = 8;
// The game a host without a game service plays.
inline constexpr SlotInt kDefaultGameLength = 3;

// The digits per number of the host's game. Without a game service the host
// plays the 3-digit game; an answer no number can have (outside 1 to 8) is a
// broken host, and 0 tells the caller to refuse numbers rather than guess.
inline int GameNumberLength(IGameService* game)
{
    if (!game)
        return static_cast<int>(kDefaultGameLength);
    const SlotInt length = game->GetNumberLength(kDigitsPerNumber);
    return length >= 1 && length <= kLongestGameNumber ? static_cast<int>(length) : 0;
}

} // namespace vesk
