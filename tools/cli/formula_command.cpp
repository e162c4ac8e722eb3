// formula: the top formulas of the formula search, or the best of each
// shuffled search, with the figures the row-10 window shows.
#include "tools/cli/command_line.h"
#include "tools/cli/commands.h"
#include "tools/cli/condition_input.h"

#include "components/features/analysis/formula/formula_search.h"

#include <ostream>

namespace vesk::cli {

namespace {

constexpr std::string_view kCommand = "formula";

std::string FormulaLine(const analysis::FormulaRow& row, std::int64_t scored)
{
    const analysis::Formula& f = row.formula;
    return std::to_string(f.x) + '\t' + std::to_string(f.y) + '\t' + std::to_string(f.z) + '\t' + std::to_string(f.k) +
           '\t' + std::to_string(row.hits) + '\t' + std::to_string(scored) + '\t' + analysis::FormatFigure(row.rate, 4) +
           '\t' + analysis::FormatFigure(row.baseline, 4) + '\t' + std::to_string(row.longestMiss) + '\t' +
           std::to_string(row.next) + '\n';
}

} // namespace

int RunFormula(const Args& args, CommandIo& io)
{
    int status = kExitOk;
    const auto options = StartCommand(
        kCommand, args, {{"--draws", true}, {"--last", true}, {"--top", true}, {"--kill", false}, {"--shuffled", false}},
        io, status);
    if (!options)
        return status;
    if (!options->operands.empty())
        return UsageError(kCommand, "unexpected argument '" + options->operands.front() + "'", io);
    std::string error;
    // 0 stands for every draw, the default.
    const std::optional<std::uint32_t> last = PositiveOption(*options, "--last", 0, error);
    if (!last)
        return UsageError(kCommand, error, io);
    const std::optional<std::uint32_t> top =
        PositiveOption(*options, "--top", static_cast<std::uint32_t>(analysis::kDefaultFormulaTop), error);
    if (!top)
        return UsageError(kCommand, error, io);
    if (*top > analysis::kFormulaCount)
        return UsageError(kCommand, "--top needs K from 1 to " + std::to_string(analysis::kFormulaCount) + ", not " +
                                        options->values.at("--top"), io);
    if (!options->Has("--draws"))
        return UsageError(kCommand, "--draws HISTORY is required", io);

    const std::string& path = options->values.at("--draws");
    const std::optional<DrawsRead> draws = ReadDrawFile(path, analysis::kFormulaLength, io);
    if (!draws)
        return kExitDataError;
    if (draws->codes.size() < 2) {
        io.err << "vesk-cli: " << path << ": " << draws->codes.size() << " draws of " << analysis::kFormulaLength
               << " digits; the search needs at least 2\n";
        return kExitDataError;
    }
    const bool shuffled = options->Has("--shuffled");
    const analysis::GuessUse use = options->Has("--kill") ? analysis::GuessUse::Kill : analysis::GuessUse::Banker;
    const analysis::FormulaSearchResult result = analysis::SearchFormulas(draws->codes, *last, use, *top, shuffled);
    // A window of one draw scores nothing: the figures would all be 0.
    if (result.scored == 0) {
        io.err << "vesk-cli: " << path << ": the window of " << result.window
               << " draws scores none (a draw is predicted from the one before it)\n";
        return kExitDataError;
    }
    std::string text;
    if (shuffled) {
        text = "shuffle\tbest-hits\tbest-rate\n";
        for (std::size_t i = 0; i < result.shuffles.size(); ++i)
            text += std::to_string(i + 1) + '\t' + std::to_string(result.shuffles[i].hits) + '\t' +
                    analysis::FormatFigure(result.shuffles[i].rate, 4) + '\n';
    } else {
        text = "x\ty\tz\tk\thits\tscored\trate\tbaseline\tmiss-run\tnext\n";
        for (const analysis::FormulaRow& row : result.top)
            text += FormulaLine(row, result.scored);
    }
    io.out << text;
    return kExitOk;
}

} // namespace vesk::cli
