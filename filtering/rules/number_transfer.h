#pragma once
// The numbers that other features hand the workbench with
// WM_TRANSFER_NUMBERS, read into the result list. The sources keep the
// layouts of host/module_messages.h; kinds 11 and 12 point to a presence
// array.

#include <cstdint>

namespace vesk {

class NumberList;

namespace workbench {

enum class TransferResult {
    Replaced,   // the list now holds the numbers handed in
    NotRead,    // a kind without numbers (2..9): the list is unchanged, the workbench still shows it
    Empty,      // the source holds no number: nothing happens
    Refused,    // unknown kind, null source, a digit above 9 or a null element: nothing happens
};

// Replaces list by the numbers of source (kind: the message's wParam).
// gameLength is the digits per number of the game (1..8). The list changes
// only when Replaced is returned.
TransferResult ReadTransferredNumbers(std::uintptr_t kind, const void* source, int gameLength, NumberList& list);

} // namespace workbench
} // namespace vesk
