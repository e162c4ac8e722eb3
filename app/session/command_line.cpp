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
        } else {
            return fail("unknown argument: " + argument);
        }
    }
    if (result.openCode && !result.screenshotPath)
        return fail("--open is only used with --screenshot");
    return result;
}

} // namespace vesk::app
