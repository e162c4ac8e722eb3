// draws: keeping a draw history file by script, with the host's import rules.
#include "tools/cli/command_line.h"
#include "tools/cli/commands.h"

#include "app/services/draw_keeping.h"

#include <filesystem>
#include <limits>
#include <ostream>

namespace vesk::cli {

namespace {

constexpr std::string_view kCommand = "draws";

void PrintRefused(const DrawImportReport& report, std::ostream& err)
{
    for (const RefusedDrawLine& line : report.refused) {
        err << line.source;
        if (line.line > 0)
            err << ':' << line.line;
        err << ": " << line.reason << '\n';
    }
}

int Import(const Args& args, CommandIo& io)
{
    int status = kExitOk;
    const auto options = StartCommand(kCommand, args, {{"--into", true}, {"--digits", true}}, io, status);
    if (!options)
        return status;
    std::string error;
    const std::optional<int> digits = DigitsOption(*options, error);
    if (!digits)
        return UsageError(kCommand, error, io);
    if (!options->Has("--into"))
        return UsageError(kCommand, "import needs --into HISTORY", io);
    if (options->operands.empty())
        return UsageError(kCommand, "import needs at least one FILE", io);

    const std::string& into = options->values.at("--into");
    const app::DrawChange change = app::ImportDrawFiles(into, options->operands, *digits);
    if (!change.error.empty())
        return DataError(kCommand, change.error, io);
    PrintRefused(change.report, io.err);
    io.err << into << ": " << change.report.Summary() << "，共 " << change.history.Size() << " 期\n";
    return change.report.refused.empty() ? kExitOk : kExitDataError;
}

int Show(const Args& args, CommandIo& io)
{
    int status = kExitOk;
    const auto options = StartCommand(kCommand, args, {{"--last", true}, {"--digits", true}}, io, status);
    if (!options)
        return status;
    std::string error;
    const std::optional<int> digits = DigitsOption(*options, error);
    const std::optional<std::uint32_t> last
        = digits ? PositiveOption(*options, "--last", std::numeric_limits<std::uint32_t>::max(), error)
                 : std::nullopt;
    if (!last)
        return UsageError(kCommand, error, io);
    if (options->operands.size() != 1)
        return UsageError(kCommand, "show takes one HISTORY file", io);

    const std::string& path = options->operands.front();
    std::error_code missing;
    if (!std::filesystem::exists(path, missing))
        return DataError(kCommand, path + ": cannot read: no such file", io);
    app::HistoryForChange read = app::ReadHistoryForChange(path, *digits);
    if (!read.error.empty())
        return DataError(kCommand, read.error, io);
    const std::vector<Draw>& draws = read.history.Draws();
    const std::size_t shown = std::min<std::size_t>(*last, draws.size());
    const DrawHistory tail({draws.end() - static_cast<std::ptrdiff_t>(shown), draws.end()}, *digits);
    io.out << FormatDrawHistory(tail);
    return kExitOk;
}

} // namespace

int RunDraws(const Args& args, CommandIo& io)
{
    const std::string sub = args.empty() ? std::string() : args.front();
    const Args rest(args.begin() + (args.empty() ? 0 : 1), args.end());
    if (sub == "import")
        return Import(rest, io);
    if (sub == "show")
        return Show(rest, io);
    int status = kExitOk;
    if (sub.empty() || sub.starts_with('-')) {
        // "draws --help" answers with the usage; anything else is a usage error.
        if (StartCommand(kCommand, args, {}, io, status))
            return UsageError(kCommand, "say import or show", io);
        return status;
    }
    return UsageError(kCommand, "unknown subcommand '" + sub + "'", io);
}

} // namespace vesk::cli
