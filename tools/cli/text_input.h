#pragma once
// The number text a command works on: its files one after another as one
// text (standard input when there are none, or for "-"). Each file is
// taken as UTF-8 when valid, else as GB18030.

#include "tools/cli/commands.h"

#include <optional>
#include <string>
#include <vector>

namespace vesk::cli {

// Empty optional after an error was reported on io.err naming the file.
std::optional<std::string> ReadNumberText(const std::vector<std::string>& files, CommandIo& io);

} // namespace vesk::cli
