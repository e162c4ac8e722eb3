// draws: keeping a draw history file by script, with the host's import rules.
#include "tools/cli/command_line.h"
#include "tools/cli/commands.h"

#include "app/services/draw_download.h"
#include "app/services/draw_keeping.h"
#include "numbers/draw_check.h"
#include "storage/safe_file.h"

#include <QCoreApplication>

#include <algorithm>
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

void PrintChange(const std::string& into, const app::DrawChange& change, std::ostream& err)
{
    PrintRefused(change.report, err);
    err << into << ": " << change.report.Summary() << "，共 " << change.history.Size() << " 期\n";
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
    PrintChange(into, change, io.err);
    return change.report.refused.empty() ? kExitOk : kExitDataError;
}

int Fetch(const Args& args, CommandIo& io)
{
    int status = kExitOk;
    const auto options
        = StartCommand(kCommand, args, {{"--into", true}, {"--digits", true}, {"--timeout", true}}, io, status);
    if (!options)
        return status;
    std::string error;
    const std::optional<int> digits = DigitsOption(*options, error);
    // A day without data is no download; the bound keeps the milliseconds in range.
    const std::optional<std::uint32_t> timeout
        = digits ? PositiveOption(*options, "--timeout", 86'400, error) : std::nullopt;
    if (!timeout)
        return UsageError(kCommand, error, io);
    if (!options->Has("--into"))
        return UsageError(kCommand, "fetch needs --into HISTORY", io);
    if (options->operands.size() != 1)
        return UsageError(kCommand, "fetch takes one URL", io);
    const std::string& address = options->operands.front();
    const QUrl url = app::WebAddress(address);
    if (!url.isValid())
        return UsageError(kCommand, "'" + address + "' is not an http or https address", io);

    // The download runs on Qt's event loop, which needs an application object.
    static int argc = 1;
    static char name[] = "vesk-cli";
    static char* argv[] = {name, nullptr};
    std::optional<QCoreApplication> application;
    if (!QCoreApplication::instance())
        application.emplace(argc, argv);
    app::DownloadLimits limits;
    limits.idleMilliseconds = static_cast<int>(*timeout) * 1000;
    const app::DownloadResult download = app::DownloadNow(url, limits);
    if (!download.ok)
        return DataError(kCommand, address + ": " + download.error, io);

    const std::string& into = options->values.at("--into");
    const app::DrawChange change = app::ImportDrawText(into, address, download.bytes, *digits);
    if (!change.error.empty())
        return DataError(kCommand, change.error, io);
    PrintChange(into, change, io.err);
    return change.report.refused.empty() ? kExitOk : kExitDataError;
}

std::string Lines(const DrawFinding& finding)
{
    return "lines " + std::to_string(finding.otherLine) + ", " + std::to_string(finding.line) + ": ";
}

std::string Line(const DrawFinding& finding) { return "line " + std::to_string(finding.line) + ": "; }

std::string Period(const std::optional<std::uint64_t>& period) { return period ? std::to_string(*period) : "-"; }

// The detail column of a finding (the command's help lists these shapes).
std::string FindingDetail(const DrawFinding& finding, int length)
{
    switch (finding.kind) {
    case DrawFindingKind::Gap:
        return Lines(finding) + "between " + Period(std::min(finding.otherPeriod, finding.nextPeriod)) + " and "
            + Period(std::max(finding.otherPeriod, finding.nextPeriod));
    case DrawFindingKind::Duplicate:
        return Lines(finding) + DrawNumberText(finding.code, length);
    case DrawFindingKind::Conflict:
        return Lines(finding) + DrawNumberText(finding.otherCode, length) + ", " + DrawNumberText(finding.code, length);
    case DrawFindingKind::Order:
        return Line(finding) + "after " + Period(finding.otherPeriod);
    case DrawFindingKind::DateOrder:
        return Line(finding) + FormatDrawDate(*finding.date) + " after " + FormatDrawDate(*finding.otherDate);
    case DrawFindingKind::Length:
    case DrawFindingKind::Refused:
        return Line(finding) + finding.text;
    }
    return {};
}

int Check(const Args& args, CommandIo& io)
{
    int status = kExitOk;
    const auto options = StartCommand(kCommand, args, {{"--digits", true}}, io, status);
    if (!options)
        return status;
    std::string error;
    const std::optional<int> digits = DigitsOption(*options, error);
    if (!digits)
        return UsageError(kCommand, error, io);
    if (options->operands.size() != 1)
        return UsageError(kCommand, "check takes one HISTORY file", io);
    const std::string& path = options->operands.front();
    const FileBytes read = ReadFileBytes(path);
    if (!read.ok)
        return DataError(kCommand, path + ": " + read.error, io);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(read.bytes.data());
    const std::vector<DrawFinding> findings = CheckDrawHistory({bytes, read.bytes.size()}, *digits);
    io.out << "kind\tperiod\tdetail\n";
    for (const DrawFinding& finding : findings)
        io.out << DrawFindingName(finding.kind) << '\t' << Period(finding.period) << '\t'
               << FindingDetail(finding, *digits) << '\n';
    io.out << "findings " << findings.size() << '\n';
    return kExitOk;
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
    if (sub == "fetch")
        return Fetch(rest, io);
    if (sub == "check")
        return Check(rest, io);
    int status = kExitOk;
    if (sub.empty() || sub.starts_with('-')) {
        // "draws --help" answers with the usage; anything else is a usage error.
        if (StartCommand(kCommand, args, {}, io, status))
            return UsageError(kCommand, "say import, fetch, check or show", io);
        return status;
    }
    return UsageError(kCommand, "unknown subcommand '" + sub + "'", io);
}

} // namespace vesk::cli
