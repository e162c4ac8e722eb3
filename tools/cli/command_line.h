#pragma once
// The common start of every command: its options parsed, "--help" answered,
// usage errors reported.

#include "tools/cli/commands.h"
#include "tools/cli/options.h"

#include <optional>
#include <string>
#include <string_view>

namespace vesk::cli {

// Empty optional when the command is done already; status is then its exit
// status (0 after help, 2 after a usage error).
std::optional<ParsedOptions> StartCommand(std::string_view command, const Args& args,
                                          const std::vector<KnownOption>& known, CommandIo& io, int& status);

// Reports a usage error of the command and returns kExitUsage.
int UsageError(std::string_view command, const std::string& message, CommandIo& io);

// Reports a failure of the command (no file to name) and returns kExitDataError.
int DataError(std::string_view command, const std::string& message, CommandIo& io);

} // namespace vesk::cli
