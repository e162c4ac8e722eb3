#pragma once
// Command-line options of vesk-cli: "--name value", "--name=value" and flags,
// anywhere among the operands; "--" ends the options and a lone "-" is an
// operand (standard input).

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vesk::cli {

struct KnownOption {
    std::string name; // with the dashes, e.g. "--digits"
    bool takesValue = false;
};

struct ParsedOptions {
    std::map<std::string, std::string> values; // flags map to ""
    std::vector<std::string> operands;
    bool help = false;
    std::string error; // set when the words do not fit the known options
    bool Has(const std::string& name) const { return values.count(name) != 0; }
};

ParsedOptions ParseOptions(const std::vector<std::string>& args, const std::vector<KnownOption>& known);

// "--digits": 1..8, default 3. Empty optional and error set when invalid.
std::optional<int> DigitsOption(const ParsedOptions& options, std::string& error);
// The option name: 1..4294967295, default fallback.
std::optional<std::uint32_t> PositiveOption(const ParsedOptions& options, const std::string& name,
                                            std::uint32_t fallback, std::string& error);
// "--per-line": 1..4294967295, default fallback.
std::optional<std::uint32_t> PerLineOption(const ParsedOptions& options, std::uint32_t fallback, std::string& error);

} // namespace vesk::cli
