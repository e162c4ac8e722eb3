#include "app/session/command_line.h"

#include <charconv>

namespace vesk::app {
namespace {

std::optional<std::uint32_t> ParseCode(const std::string& text)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* first = text.data() + (hex ? 2 : 0);
    const char* last = text.data() + text.size();
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value, hex ? 16 : 10);
    if (error != std::errc{} || end != last || first == last)
        return std::nullopt;
    return value;
}

// "1200x800" within what a screen can show; nothing for anything else.
std::optional<std::pair<int, int>> ParseSize(const std::string& text)
{
    const std::size_t cross = text.find('x');
    if (cross == std::string::npos)
        return std::nullopt;
    int width = 0;
    int height = 0;
    const char* middle = text.data() + cross;
    const char* last = text.data() + text.size();
    const auto [widthEnd, widthError] = std::from_chars(text.data(), middle, width);
    const auto [heightEnd, heightError] = std::from_chars(middle + 1, last, height);
    if (widthError != std::errc{} || widthEnd != middle || heightError != std::errc{} || heightEnd != last)
        return std::nullopt;
    if (width < 200 || width > 4000 || height < 150 || height > 3000)
        return std::nullopt;
    return std::pair{width, height};
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine result;
    auto fail = [](std::string message) {
        CommandLine failed;
        failed.error = std::move(message);
        return failed;
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--screenshot") {
            if (!hasValue || arguments[i + 1].empty())
                return fail("--screenshot needs a file name");
            result.screenshotPath = arguments[++i];
        } else if (argument == "--open") {
            if (!hasValue)
                return fail("--open needs a feature code");
            result.openCode = ParseCode(arguments[++i]);
            if (!result.openCode)
                return fail("--open: not a feature code: " + arguments[i]);
        } else if (argument == "--size") {
            if (!hasValue)
                return fail("--size needs WIDTHxHEIGHT");
            result.size = ParseSize(arguments[++i]);
            if (!result.size)
                return fail("--size: not a window size (200x150 to 4000x3000): " + arguments[i]);
        } else if (argument == "--click") {
            if (!hasValue)
                return fail("--click needs a control id");
            const auto id = ParseCode(arguments[++i]);
            if (!id)
                return fail("--click: not a control id: " + arguments[i]);
            result.steps.push_back({*id, {}});
        } else if (argument == "--press") {
            if (!hasValue || arguments[i + 1].empty())
                return fail("--press needs the text of a button or tab");
            result.steps.push_back({0, arguments[++i]});
        } else if (argument == "--answer-file") {
            if (!hasValue || arguments[i + 1].empty())
                return fail("--answer-file needs a path");
            result.fileAnswers.push_back(arguments[++i]);
        } else if (argument == "--dialog") {
            result.dialogPicture = true;
        } else if (argument == "--version") {
            result.version = true;
        } else if (argument == "--help" || argument == "-h") {
            result.help = true;
        } else {
            return fail("unknown argument: " + argument);
        }
    }
    if (result.openCode && !result.screenshotPath)
        return fail("--open is only used with --screenshot");
    if ((result.size || !result.steps.empty() || !result.fileAnswers.empty() || result.dialogPicture) &&
        !result.screenshotPath)
        return fail("--size, --click, --press, --answer-file and --dialog are only used with --screenshot");
    if (result.dialogPicture && result.steps.empty())
        return fail("--dialog needs a --click or --press that opens a dialog");
    return result;
}

} // namespace vesk::app
