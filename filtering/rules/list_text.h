#pragma once
// The text the workbench writes into the editor for a result or recycle
// list: its distinct three-digit codes in ascending order, as "%03d", with
// a blank between numbers and "\r\n" after every perLine-th.

#include <cstdint>
#include <string>

namespace vesk {

class NumberList;

namespace workbench {

// perLine 0 means no line breaks. Digits past the third are not part of the
// code; records shorter than three digits count their missing places as 0.
std::string DistinctCodesText(const NumberList& list, std::uint32_t perLine);

// A per-line count as DistinctCodesText takes it: counts that no text can
// reach (none, or past 32 bits) become 0, no line breaks.
std::uint32_t LineBreakEvery(std::int64_t perLine);

} // namespace workbench
} // namespace vesk
