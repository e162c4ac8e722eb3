#pragma once
// The host's command line:
//   vesk [--screenshot FILE [--open CODE] [--size WxH] [--click ID | --press TEXT]... [--dialog]]
//   vesk --version | --help
// --screenshot runs offscreen, writes a PNG of the main window and exits;
// --open first opens the feature of CODE (decimal or 0x-prefixed hex);
// --size gives the window that size first; --click and --press are steps
// taken in the open feature in their order: a control clicked by its id
// (decimal or 0x hex), a button or tab pressed by its text; --dialog
// pictures the dialog or window the steps opened instead of the main window.
// --version and --help print and exit.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vesk::app {

// A control id to click, or, when text is not empty, the text of a button or tab to press.
struct ScreenshotStep {
    std::uint32_t id = 0;
    std::string text;
};

struct CommandLine {
    std::optional<std::string> screenshotPath;
    std::optional<std::uint32_t> openCode;
    std::optional<std::pair<int, int>> size; // width, height
    std::vector<ScreenshotStep> steps;
    bool dialogPicture = false;
    bool version = false;
    bool help = false;
    std::string error; // non-empty when the arguments are wrong; nothing else is set then
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

inline constexpr const char* kUsage =
    "usage: vesk [--screenshot FILE [--open CODE] [--size WxH] [--click ID | --press TEXT]... [--dialog]]\n"
    "       vesk --version | --help\n"
    "  --screenshot FILE  open offscreen, write a PNG of the main window to FILE and exit\n"
    "  --open CODE        open the feature of the tree with CODE first (decimal or 0x hex; 1 the workbench)\n"
    "  --size WxH         the main window's size in pixels for the picture (200x150 to 4000x3000)\n"
    "  --click ID         click the open feature's control with this id (repeatable, in order)\n"
    "  --press TEXT       press the open feature's button or tab showing TEXT (repeatable, in order)\n"
    "  --dialog           picture the dialog or window the steps open instead of the main window\n"
    "  --version          print the version and exit";

} // namespace vesk::app
