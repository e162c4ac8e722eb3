// pattern: the next-value summary of the pattern search for the pattern of
// the newest K draws, with the figures the row-3 window shows.
#include "tools/cli/command_line.h"
#include "tools/cli/commands.h"
#include "tools/cli/condition_input.h"

#include "components/features/analysis/query/pattern_search.h"

#include "components/filter/engine/condition_checks.h"
#include "components/filter/engine/condition_type.h"

#include <ostream>

namespace vesk::cli {

namespace {

constexpr std::string_view kCommand = "pattern";
// The game the command reads: the summary has no --digits.
constexpr int kLength = 3;

// The place a type with one takes: --position P, or --pair A,B. False, with
// the reason after the type's id, for a type the search does not take or a
// place that is missing, out of range or given to a type without places.
bool PlaceOfType(const ParsedOptions& options, filter::Condition& condition, std::string& error)
{
    const filter::TypeInfo& info = filter::InfoOf(condition.type);
    if (info.needsHistory) {
        error = "needs a draw history; the search takes a value type without one";
        return false;
    }
    const bool wantsPosition = info.field == filter::TypeField::Position;
    const bool wantsPair = info.field == filter::TypeField::Pair;
    if (info.field != filter::TypeField::None && !wantsPosition && !wantsPair) {
        error = "needs fields; the search takes a value type without any, or with a position or a pair";
        return false;
    }
    for (const auto& [name, wanted] : {std::pair{"--position", wantsPosition}, std::pair{"--pair", wantsPair}}) {
        if (options.Has(name) != wanted) {
            error = wanted ? std::string("needs ") + name : std::string("takes no ") + name;
            return false;
        }
    }
    const auto digit = [](const std::string& text) -> std::optional<int> {
        if (text.size() != 1 || text[0] < '0' || text[0] > '9')
            return std::nullopt;
        return text[0] - '0';
    };
    if (wantsPosition) {
        const std::optional<int> position = digit(options.values.at("--position"));
        condition.position = position.value_or(-1);
    }
    if (wantsPair) {
        const std::string& text = options.values.at("--pair");
        const std::size_t comma = text.find(',');
        const std::optional<int> a = comma == std::string::npos ? std::nullopt : digit(text.substr(0, comma));
        const std::optional<int> b = comma == std::string::npos ? std::nullopt : digit(text.substr(comma + 1));
        condition.pair = {a.value_or(-1), b.value_or(-1)};
    }
    if (const auto issue = filter::CheckCondition(condition, kLength)) {
        error = issue->english;
        return false;
    }
    return true;
}

} // namespace

int RunPattern(const Args& args, CommandIo& io)
{
    int status = kExitOk;
    const auto options = StartCommand(kCommand, args,
                                      {{"--draws", true}, {"--type", true}, {"--length", true}, {"--last", true},
                                       {"--position", true}, {"--pair", true}}, io, status);
    if (!options)
        return status;
    if (!options->operands.empty())
        return UsageError(kCommand, "unexpected argument '" + options->operands.front() + "'", io);
    std::string error;
    const std::optional<std::uint32_t> k =
        PositiveOption(*options, "--length", static_cast<std::uint32_t>(analysis::kDefaultPatternLength), error);
    if (!k)
        return UsageError(kCommand, error, io);
    if (*k > analysis::kMaxPatternLength)
        return UsageError(kCommand, "--length needs K from 1 to " + std::to_string(analysis::kMaxPatternLength) +
                                        ", not " + options->values.at("--length"), io);
    // 0 stands for every draw, the default.
    const std::optional<std::uint32_t> last = PositiveOption(*options, "--last", 0, error);
    if (!last)
        return UsageError(kCommand, error, io);
    if (!options->Has("--draws"))
        return UsageError(kCommand, "--draws HISTORY is required", io);
    if (!options->Has("--type"))
        return UsageError(kCommand, "--type TYPE is required", io);
    const std::string& id = options->values.at("--type");
    const std::optional<filter::ConditionType> type = filter::TypeOfId(id);
    if (!type)
        return UsageError(kCommand, "unknown value type '" + id + "'", io);
    filter::Condition condition;
    condition.type = *type;
    if (!PlaceOfType(*options, condition, error))
        return UsageError(kCommand, "'" + id + "' " + error, io);

    const std::string& path = options->values.at("--draws");
    const std::optional<DrawsRead> draws = ReadDrawFile(path, kLength, io);
    if (!draws)
        return kExitDataError;
    if (draws->codes.empty()) {
        io.err << "vesk-cli: " << path << ": no draws of " << kLength << " digits\n";
        return kExitDataError;
    }
    if (draws->codes.size() < *k) {
        io.err << "vesk-cli: " << path << ": " << draws->codes.size() << " draws, fewer than the pattern's " << *k << "\n";
        return kExitDataError;
    }
    const std::vector<std::int64_t> values = analysis::DrawValues(condition, kLength, draws->codes);
    const analysis::PatternResult result =
        analysis::SearchPattern(condition, kLength, values, analysis::NewestPattern(values, *k), *last);
    std::string text = "value\tcount\tshare\tprobability\n";
    for (const analysis::PatternNext& next : result.summary) {
        text += std::to_string(next.value) + '\t' + std::to_string(next.count) + '\t' +
                analysis::FormatFigure(next.share, 4) + '\t' + analysis::FormatFigure(next.probability, 4) + '\n';
    }
    io.out << text;
    return kExitOk;
}

} // namespace vesk::cli
