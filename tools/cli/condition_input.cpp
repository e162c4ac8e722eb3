#include "tools/cli/condition_input.h"

#include "tools/cli/command_line.h"

#include "components/filter/engine/backtest.h"
#include "components/filter/engine/condition_set_file.h"
#include "numbers/draw_line.h"
#include "numbers/draw_records.h"
#include "storage/draw_history_file.h"
#include "storage/safe_file.h"

#include <ostream>

namespace vesk::cli {

namespace {

// A condition set is a few kilobytes; this keeps a wrong file from filling
// the memory.
constexpr std::size_t kMaxSetBytes = 64u << 20;

std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t limit, CommandIo& io)
{
    FileBytes read = ReadFileBytes(path);
    if (!read.ok) {
        io.err << "vesk-cli: " << path << ": " << read.error << '\n';
        return std::nullopt;
    }
    if (read.bytes.size() > limit) {
        io.err << "vesk-cli: " << path << ": too large for a condition set\n";
        return std::nullopt;
    }
    return std::move(read.bytes);
}

} // namespace

std::optional<filter::ConditionSet> ReadConditionsOption(std::string_view command, const ParsedOptions& options,
                                                         CommandIo& io, int& status)
{
    const auto it = options.values.find("--conditions");
    if (it == options.values.end()) {
        status = UsageError(command, "--conditions SET is required", io);
        return std::nullopt;
    }
    int gameLength = 0;
    if (options.Has("--digits")) {
        std::string error;
        const std::optional<int> length = DigitsOption(options, error);
        if (!length) {
            status = UsageError(command, error, io);
            return std::nullopt;
        }
        gameLength = *length;
    }
    status = kExitDataError;
    const std::optional<std::string> text = ReadWholeFile(it->second, kMaxSetBytes, io);
    if (!text)
        return std::nullopt;
    filter::SetReadResult read = filter::ReadConditionSet(*text, gameLength);
    if (!read.set) {
        io.err << "vesk-cli: " << it->second << ": " << read.error << '\n';
        return std::nullopt;
    }
    status = kExitOk;
    return std::move(read.set);
}

std::optional<DrawsRead> ReadDrawFile(const std::string& path, int length, CommandIo& io)
{
    const DrawHistoryRead read = ReadDrawHistoryFile(path, length);
    if (read.missing || !read.history) {
        io.err << "vesk-cli: " << path << ": " << (read.missing ? "cannot open: No such file or directory" : read.error)
               << '\n';
        return std::nullopt;
    }
    DrawsRead draws;
    draws.codes.assign(read.history->Codes().begin(), read.history->Codes().end());
    draws.periods = filter::PeriodsOf(read.history->Draws());
    return draws;
}

} // namespace vesk::cli
