#pragma once
// Outcome of reading a number list in its binary form.

#include <string_view>

namespace vesk {

enum class ReadStatus {
    Complete,      // every announced record was read
    Truncated,     // the data ended early: the announced count is kept and the
                   // missing records hold zero digits (as the format has it)
    MissingHeader, // fewer than the 5 header bytes
    BadLength,     // digits per number outside 1..8 (0 only for an empty list)
    AbsurdCount,   // more numbers announced than the data could plausibly hold
    BadDigit,      // a digit byte above 9
    OutOfMemory,   // the announced list cannot be allocated
};

// True when the list holds the data (complete or truncated).
constexpr bool IsLoaded(ReadStatus status)
{
    return status == ReadStatus::Complete || status == ReadStatus::Truncated;
}

// English description for error messages, e.g. "the digit length is not 1 to 8".
std::string_view Describe(ReadStatus status);

} // namespace vesk
