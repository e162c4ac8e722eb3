#pragma once
// What the filter commands read besides numbers: the condition set named by
// --conditions and the draw history named by --draws.

#include "tools/cli/commands.h"
#include "tools/cli/options.h"

#include "components/filter/engine/condition_set.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace vesk::cli {

// The set of --conditions, for the game length --digits gives (any length
// when it gives none). Empty optional after the error was reported; status
// is then the exit status.
std::optional<filter::ConditionSet> ReadConditionsOption(std::string_view command, const ParsedOptions& options,
                                                         CommandIo& io, int& status);

struct DrawsRead {
    std::vector<std::uint32_t> codes;   // oldest first
    std::vector<std::uint64_t> periods; // one per draw, or empty when not every draw has one
};

// The draws of length in the file (lines without one are skipped, as the
// host skips them). Empty optional after the error was reported.
std::optional<DrawsRead> ReadDrawFile(const std::string& path, int length, CommandIo& io);

} // namespace vesk::cli
