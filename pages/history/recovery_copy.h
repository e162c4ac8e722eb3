#pragma once
// The recovery copy of the user's unsaved work: the result list, the recycle
// list and the staging text in one file, so that they survive an unclean end
// of the program. The file is ours alone and read back only by the same
// program; a damaged or foreign file is refused whole.
//
// Layout: the line "3DVESK-RECOVERY 1\n", the result list and the recycle
// list in the binary list form (NumberList::Write), then the staging text as
// a little-endian uint64 byte count and its UTF-8 bytes, and nothing after.

#include "numbers/number_list.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vesk::history {

struct RecoveredWork {
    NumberList result;
    NumberList recycle;
    std::string staging;

    bool IsEmpty() const { return result.IsEmpty() && recycle.IsEmpty() && staging.empty(); }
};

std::string RecoveryBytes(const NumberList& result, const NumberList& recycle, std::string_view staging);

// Nothing when the bytes are not a whole recovery copy.
std::optional<RecoveredWork> ReadRecovery(std::span<const std::uint8_t> bytes);

} // namespace vesk::history
