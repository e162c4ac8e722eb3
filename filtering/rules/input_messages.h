#pragma once
// The workbench's words for input it cannot take: every message a user sees
// is Chinese, whatever the core that refused the input says on the command line.

#include "numbers/match_expansion.h"

#include <string>

namespace vesk::workbench {

// Why the editor's text could not be expanded with the match character.
std::string MatchRefusalText(MatchRefusal refusal);

// The editor's numbers and the result list differ in digits per number.
inline constexpr char kLengthMismatch[] = "编辑器中号码的位数与缩水器中的号码不同，未能合并。";

} // namespace vesk::workbench
