#pragma once
// The host's command line:
//   vesk [--screenshot FILE [--open CODE] [--size WxH]] | --version | --help
// --screenshot runs offscreen, writes a PNG of the main window and exits;
// --open first opens the feature of CODE (decimal or 0x-prefixed hex);
// --size gives the window that size first. --version and --help print and exit.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vesk::app {

struct CommandLine {
    std::optional<std::string> screenshotPath;
    std::optional<std::uint32_t> openCode;
    std::optional<std::pair<int, int>> size; // width, height
    bool version = false;
    bool help = false;
    std::string error; // non-empty when the arguments are wrong; nothing else is set then
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

inline constexpr const char* kUsage =
    "usage: vesk [--screenshot FILE [--open CODE] [--size WxH]]\n"
    "       vesk --version | --help\n"
    "  --screenshot FILE  open offscreen, write a PNG of the main window to FILE and exit\n"
    "  --open CODE        open the feature of the tree with CODE first (decimal or 0x hex; 1 the workbench)\n"
    "  --size WxH         the main window's size in pixels for the picture (200x150 to 4000x3000)\n"
    "  --version          print the version and exit";

} // namespace vesk::app
