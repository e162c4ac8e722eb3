#include "tools/cli/options.h"

#include "numbers/number_length.h"

#include <algorithm>
#include <charconv>

namespace vesk::cli {

namespace {

const KnownOption* FindKnownOption(const std::vector<KnownOption>& known, const std::string& name)
{
    const auto it = std::find_if(known.begin(), known.end(), [&](const KnownOption& s) { return s.name == name; });
    return it == known.end() ? nullptr : &*it;
}

std::optional<std::uint64_t> ParseUnsigned(const std::string& text)
{
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || stop != end)
        return std::nullopt;
    return value;
}

} // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& args, const std::vector<KnownOption>& known)
{
    ParsedOptions parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            parsed.operands.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        if (word == "--help" || word == "-h") {
            parsed.help = true;
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const KnownOption* option = FindKnownOption(known, name);
        if (option == nullptr) {
            parsed.error = "unknown option '" + word + "'";
            return parsed;
        }
        if (!option->takesValue) {
            if (equals != std::string::npos) {
                parsed.error = "option '" + name + "' takes no value";
                return parsed;
            }
            parsed.values[name] = "";
        } else if (equals != std::string::npos) {
            parsed.values[name] = word.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            parsed.values[name] = args[++i];
        } else {
            parsed.error = "option '" + name + "' needs a value";
            return parsed;
        }
    }
    return parsed;
}

std::optional<int> DigitsOption(const ParsedOptions& options, std::string& error)
{
    const auto it = options.values.find("--digits");
    if (it == options.values.end())
        return 3;
    const auto value = ParseUnsigned(it->second);
    if (!value || !IsValidNumberLength(static_cast<long long>(std::min<std::uint64_t>(*value, 99)))) {
        error = "--digits must be a whole number from 1 to 8, not '" + it->second + "'";
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

std::optional<std::uint32_t> PositiveOption(const ParsedOptions& options, const std::string& name,
                                            std::uint32_t fallback, std::string& error)
{
    const auto it = options.values.find(name);
    if (it == options.values.end())
        return fallback;
    const auto value = ParseUnsigned(it->second);
    if (!value || *value == 0 || *value > 0xFFFFFFFFull) {
        error = name + " must be a whole number from 1 to 4294967295, not '" + it->second + "'";
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(*value);
}

std::optional<std::uint32_t> PerLineOption(const ParsedOptions& options, std::uint32_t fallback, std::string& error)
{
    return PositiveOption(options, "--per-line", fallback, error);
}

} // namespace vesk::cli
