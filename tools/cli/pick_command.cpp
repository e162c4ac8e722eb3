// pick: the numbers a smart-pick method generates for the next draw, or its
// digit classes, from the core the row-6 windows show.
#include "tools/cli/command_line.h"
#include "tools/cli/commands.h"
#include "tools/cli/condition_input.h"

#include "components/features/analysis/pick/pick_numbers.h"
#include "components/features/analysis/pick/pick_table.h"
#include "components/features/analysis/pick/position_pick.h"
#include "components/filter/engine/binomial.h"

#include <cstdio>
#include <cstdlib>
#include <ostream>

namespace vesk::cli {

namespace {

constexpr std::string_view kCommand = "pick";
// The game the command reads: the methods read 3-digit draws.
constexpr int kLength = 3;

std::vector<std::string> SplitOn(const std::string& text, char separator)
{
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

// "12/345/09": one digit set per position.
std::optional<analysis::PositionDigits> ParsePositions(const std::string& text, std::string& error)
{
    const std::vector<std::string> parts = SplitOn(text, '/');
    if (parts.size() != static_cast<std::size_t>(kLength)) {
        error = "--positions needs " + std::to_string(kLength) + " digit sets separated by '/', not '" + text + "'";
        return std::nullopt;
    }
    analysis::PositionDigits digits;
    for (const std::string& part : parts) {
        std::uint16_t mask = 0;
        for (char c : part) {
            if (c < '0' || c > '9') {
                error = "--positions takes digits and '/', not '" + text + "'";
                return std::nullopt;
            }
            mask = static_cast<std::uint16_t>(mask | (1u << (c - '0')));
        }
        if (mask == 0) {
            error = "--positions needs at least one digit per position, not '" + text + "'";
            return std::nullopt;
        }
        digits.push_back(mask);
    }
    return digits;
}

std::optional<std::vector<bool>> ParsePatterns(const ParsedOptions& options, const analysis::PatternSpace& space,
                                               std::string& error)
{
    if (!options.Has("--patterns"))
        return std::vector<bool>(space.Size(), true);
    std::vector<bool> picked(space.Size(), false);
    for (const std::string& label : SplitOn(options.values.at("--patterns"), ',')) {
        const std::optional<std::size_t> pattern = space.IndexOfLabel(label);
        if (!pattern) {
            error = "unknown pattern '" + label + "'";
            return std::nullopt;
        }
        picked[*pattern] = true;
    }
    return picked;
}

std::string NumberLine(std::uint32_t code)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*u\n", kLength, code);
    return text;
}

// "held-out\t27\t100\t0.2700\t0.2510\t0.3512": p = P(X >= hits) at the
// baseline as printed, so that a reader can work it out from the line.
std::string BackTestLine(const std::string& figure, std::int64_t hits, std::size_t scored, const analysis::Figure& rate,
                         const analysis::Figure& baseline)
{
    std::string text = figure + '\t' + std::to_string(hits) + '\t' + std::to_string(scored) + '\t';
    if (scored == 0)
        return text + "-\t-\t-\n";
    const std::string baselineText = analysis::FormatFigure(baseline, 4);
    const double printed = std::strtod(baselineText.c_str(), nullptr);
    const double p = filter::BinomialAtLeast(static_cast<std::uint64_t>(hits), scored, printed);
    return text + analysis::FormatFigure(rate, 4) + '\t' + baselineText + '\t' + filter::PValueText(p) + '\n';
}

} // namespace

int RunPick(const Args& args, CommandIo& io)
{
    int status = kExitOk;
    const auto options = StartCommand(kCommand, args,
                                      {{"--draws", true}, {"--method", true}, {"--window", true}, {"--top", true},
                                       {"--patterns", true}, {"--positions", true}, {"--group", false}, {"--classes", false},
                                       {"--backtest", true}, {"--rule", true}},
                                      io, status);
    if (!options)
        return status;
    if (!options->operands.empty())
        return UsageError(kCommand, "unexpected argument '" + options->operands.front() + "'", io);
    if (!options->Has("--draws"))
        return UsageError(kCommand, "--draws HISTORY is required", io);
    if (!options->Has("--method"))
        return UsageError(kCommand, "--method METHOD is required", io);
    const std::string& name = options->values.at("--method");
    const std::optional<analysis::PickMethod> method = analysis::PickMethodOfName(name);
    if (!method)
        return UsageError(kCommand, "unknown method '" + name + "'", io);
    const analysis::PickMethodInfo& info = analysis::InfoOf(*method);
    const bool position = *method == analysis::PickMethod::Position;
    if (options->Has("--window") && info.defaultWindow == 0)
        return UsageError(kCommand, name + " takes no --window", io);
    if (options->Has("--top") && info.defaultTop == 0)
        return UsageError(kCommand, name + " takes no --top", io);
    if (position && (options->Has("--patterns") || options->Has("--classes")))
        return UsageError(kCommand, "position has no patterns or classes; it takes --positions", io);
    if (!position && options->Has("--positions"))
        return UsageError(kCommand, "--positions is for the method position", io);
    if (position && !options->Has("--positions"))
        return UsageError(kCommand, "position needs --positions D/D/D", io);

    const bool backTest = options->Has("--backtest");
    if (options->Has("--rule") && !backTest)
        return UsageError(kCommand, "--rule W goes with --backtest N", io);
    if (options->Has("--rule") && position)
        return UsageError(kCommand, "position has no patterns for --rule to pick", io);
    if (backTest && (options->Has("--group") || options->Has("--classes")))
        return UsageError(kCommand, "--backtest prints figures, not numbers or classes", io);

    std::string error;
    analysis::PickParameters parameters = analysis::DefaultParameters(*method);
    const std::optional<std::uint32_t> window =
        PositiveOption(*options, "--window", static_cast<std::uint32_t>(parameters.window), error);
    if (!window)
        return UsageError(kCommand, error, io);
    const std::optional<std::uint32_t> top = PositiveOption(*options, "--top", static_cast<std::uint32_t>(parameters.top), error);
    if (!top)
        return UsageError(kCommand, error, io);
    parameters.window = *window;
    parameters.top = static_cast<int>(std::min<std::uint32_t>(*top, 1000));
    error = analysis::ParameterError(*method, parameters, kLength);
    if (!error.empty())
        return UsageError(kCommand, error, io);
    std::optional<analysis::PositionDigits> positions;
    if (position && !(positions = ParsePositions(options->values.at("--positions"), error)))
        return UsageError(kCommand, error, io);
    const analysis::PatternSpace space(*method, kLength);
    std::optional<std::vector<bool>> picked;
    if (!position && !(picked = ParsePatterns(*options, space, error)))
        return UsageError(kCommand, error, io);

    const std::optional<std::uint32_t> backTestDraws = PositiveOption(*options, "--backtest", 1, error);
    if (!backTestDraws)
        return UsageError(kCommand, error, io);
    const std::optional<std::uint32_t> ruleWindow = PositiveOption(*options, "--rule", 1, error);
    if (!ruleWindow)
        return UsageError(kCommand, error, io);

    const std::string& path = options->values.at("--draws");
    const std::optional<DrawsRead> draws = ReadDrawFile(path, kLength, io);
    if (!draws)
        return kExitDataError;
    if (backTest) {
        const std::size_t n = *backTestDraws;
        std::string text = "figure\thits\tscored\trate\tbaseline\tp\n";
        if (position) {
            const analysis::ProductBackTest in = analysis::BackTestProduct(*positions, draws->codes, n);
            const analysis::ProductBackTest out = analysis::HeldOutProduct(*positions, draws->codes, n);
            text += BackTestLine("in-sample", in.hits, in.scored, in.rate, in.baseline);
            text += BackTestLine("held-out", out.hits, out.scored, out.rate, out.baseline);
        } else {
            const analysis::PickTable table = analysis::ComputePickTable(*method, parameters, space, draws->codes, n);
            const analysis::PickBackTest in = analysis::BackTestPicked(table, space, *picked);
            const analysis::PickBackTest out = analysis::BackTestPicked(
                analysis::HeldOutTable(*method, parameters, space, draws->codes, n), space, *picked);
            text += BackTestLine("in-sample", in.hits, in.scored, in.rate, in.baseline);
            text += BackTestLine("held-out", out.hits, out.scored, out.rate, out.baseline);
            if (options->Has("--rule")) {
                const analysis::PickBackTest walk =
                    analysis::WalkForwardRule(*method, parameters, space, draws->codes, *ruleWindow, n);
                text += BackTestLine("walk-forward", walk.hits, walk.scored, walk.rate, walk.baseline);
            }
        }
        io.out << text;
        return kExitOk;
    }
    std::vector<std::uint32_t> numbers;
    if (position) {
        numbers = analysis::ProductNumbers(*positions);
    } else {
        const std::optional<analysis::DigitClasses> classes =
            analysis::ClassesBefore(*method, parameters, draws->codes, kLength, draws->codes.size());
        if (!classes) {
            io.err << "vesk-cli: " << path << ": " << draws->codes.size() << " draws of " << kLength << " digits; "
                   << name << " needs " << info.drawsNeeded << "\n";
            return kExitDataError;
        }
        if (options->Has("--classes")) {
            std::string text = "digit\tclass\n";
            for (int d = 0; d < 10; ++d)
                text += std::to_string(d) + '\t' + std::string(info.classNames[classes->of[static_cast<std::size_t>(d)]]) + '\n';
            io.out << text;
            return kExitOk;
        }
        numbers = analysis::PickedNumbers(space, *classes, *picked);
    }
    if (options->Has("--group"))
        numbers = analysis::GroupsOf(numbers, kLength);
    std::string text = "number\n";
    for (std::uint32_t code : numbers)
        text += NumberLine(code);
    io.out << text;
    return kExitOk;
}

} // namespace vesk::cli
