#pragma once
// The host's command line:
//   vesk [--screenshot FILE [--open CODE]]
// --screenshot runs offscreen, writes a PNG of the main window and exits;
// --open first opens the feature of CODE (decimal or 0x-prefixed hex).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vesk::app {

struct CommandLine {
    std::optional<std::string> screenshotPath;
    std::optional<std::uint32_t> openCode;
    std::string error; // non-empty when the arguments are wrong; nothing else is set then
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

inline constexpr const char* kUsage = "usage: vesk [--screenshot FILE [--open CODE]]";

} // namespace vesk::app
