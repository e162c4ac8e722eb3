#pragma once
// The host's command line:
//   vesk [--screenshot FILE [--open CODE] [--size WxH] [--click ID | --press TEXT]...
//         [--answer-file PATH]... [--dialog]]
//   vesk --version | --help
// --screenshot runs offscreen, writes a PNG of the main window and exits;
// --open first opens the feature of CODE (decimal or 0x-prefixed hex);
// --size gives the window that size first; --click and --press are steps
// taken in their order: a control of the open feature clicked by its id
// (decimal or 0x hex), a button, tab or menu command pressed by its text;
// --answer-file gives the file dialogs the steps open their answers; --dialog
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
    std::vector<std::string> fileAnswers; // what the picture run's file dialogs answer, in order
    bool dialogPicture = false;
    bool version = false;
    bool help = false;
    std::string error; // non-empty when the arguments are wrong; nothing else is set then
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

inline constexpr const char* kUsage =
    "usage: vesk [--screenshot FILE [--open CODE] [--size WxH] [--click ID | --press TEXT]...\n"
    "                              [--answer-file PATH]... [--dialog]]\n"
    "       vesk --version | --help\n"
    "  --screenshot FILE  open offscreen, write a PNG of the main window to FILE and exit\n"
    "  --open CODE        open the feature of the tree with CODE first (decimal or 0x hex; 1 the workbench)\n"
    "  --size WxH         the main window's size in pixels for the picture (200x150 to 4000x3000)\n"
    "  --click ID         click the open feature's control with this id (repeatable, in order)\n"
    "  --press TEXT       press the button or tab showing TEXT, or the menu command (repeatable, in order)\n"
    "  --answer-file PATH the file the next file dialog answers (repeatable, in order; else cancelled)\n"
    "  --dialog           picture the dialog or window the steps open instead of the main window\n"
    "  --version          print the version and exit";

} // namespace vesk::app
