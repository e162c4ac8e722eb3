// backtest: a condition set judged against the draws of a history, each
// draw with only the draws before it, and how its rate compares with chance.
#include "tools/cli/command_line.h"
#include "tools/cli/commands.h"
#include "tools/cli/condition_input.h"
#include "tools/cli/filter_report.h"

#include "components/filter/engine/backtest.h"
#include "components/filter/engine/binomial.h"
#include "components/filter/engine/condition_record.h"

#include <charconv>
#include <ostream>

namespace vesk::cli {

namespace {

constexpr std::string_view kCommand = "backtest";

std::optional<std::size_t> LastOption(const ParsedOptions& options)
{
    const auto it = options.values.find("--last");
    if (it == options.values.end())
        return filter::kDefaultBacktestDraws;
    std::size_t value = 0;
    const std::string& text = it->second;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value == 0)
        return std::nullopt;
    return value;
}

// Each condition's, group's and the set's record, one tab-separated line each.
std::string PerConditionText(const filter::ConditionRecords& records)
{
    std::string text = "item\tkept\tjudged\trate\tbaseline\tp\tcurrent-cut\tlongest-cut\n";
    const std::uint64_t judged = records.judged;
    for (const filter::ConditionRecord& record : records.records) {
        const std::string p =
            judged == 0 ? "-" : filter::PValueText(filter::RecordPValue(record, judged, records.spaceSize));
        text += filter::RecordName(record) + '\t' + std::to_string(record.kept) + '\t' + std::to_string(judged) + '\t' +
                filter::DecimalText(record.kept, judged, 4) + '\t' +
                filter::DecimalText(record.keptNumbers, judged * records.spaceSize, 4) + '\t' + p + '\t' +
                std::to_string(record.currentCut) + '\t' + std::to_string(record.longestCut) + '\n';
    }
    return text;
}

} // namespace

int RunBacktest(const Args& args, CommandIo& io)
{
    int status = kExitOk;
    const auto options = StartCommand(kCommand, args, {{"--conditions", true}, {"--draws", true}, {"--last", true}, {"--per-condition", false}},
                                      io, status);
    if (!options)
        return status;
    if (!options->operands.empty())
        return UsageError(kCommand, "unexpected argument '" + options->operands.front() + "'", io);
    const std::optional<std::size_t> last = LastOption(*options);
    if (!last)
        return UsageError(kCommand, "--last must be a whole number of at least 1, not '" + options->values.at("--last") + "'", io);
    if (!options->Has("--draws"))
        return UsageError(kCommand, "--draws FILE is required", io);
    const std::optional<filter::ConditionSet> set = ReadConditionsOption(kCommand, *options, io, status);
    if (!set)
        return status;
    const std::string& drawPath = options->values.at("--draws");
    const std::optional<DrawsRead> draws = ReadDrawFile(drawPath, set->digits, io);
    if (!draws)
        return kExitDataError;
    if (draws->codes.empty()) {
        io.err << "vesk-cli: " << drawPath << ": no draws of " << set->digits << " digits\n";
        return kExitDataError;
    }
    if (options->Has("--per-condition")) {
        const filter::ConditionRecords records = filter::RecordConditions(*set, set->digits, draws->codes, *last);
        if (!records.ok)
            return DataError(kCommand, options->values.at("--conditions") + ": " + records.error, io);
        io.out << PerConditionText(records);
        return kExitOk;
    }
    const filter::BacktestResult result = filter::Backtest(*set, set->digits, draws->codes, *last, draws->periods);
    if (!result.ok)
        return DataError(kCommand, options->values.at("--conditions") + ": " + result.error, io);
    std::string text;
    for (const filter::JudgedDraw& draw : result.draws) {
        std::string number = std::to_string(draw.code);
        number.insert(0, static_cast<std::size_t>(set->digits) - number.size(), '0');
        text += std::to_string(draw.name) + " " + number + (draw.kept ? " 保留" : " 滤除");
        const std::string names = FailedNames(*set, draw.failed);
        text += (names.empty() ? "" : " " + names) + "\n";
    }
    const std::uint64_t judged = result.draws.size();
    text += filter::BacktestCount(result) + "\n";
    text += "rate " + filter::DecimalText(result.kept, judged, 4) + " baseline " +
            filter::DecimalText(result.keptNumbers, judged * result.spaceSize, 4) + "\n";
    io.out << text;
    return kExitOk;
}

} // namespace vesk::cli
