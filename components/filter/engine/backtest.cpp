#include "components/filter/engine/backtest.h"

#include "components/filter/engine/condition_type.h"
#include "components/filter/engine/validate.h"

#include <algorithm>
#include <optional>

namespace vesk::filter {

namespace {

bool NeedsHistory(const ConditionSet& set)
{
    for (const Group& group : set.groups)
        if (group.enabled)
            for (const Condition& c : group.conditions)
                if (c.enabled && InfoOf(c.type).needsHistory)
                    return true;
    return false;
}

} // namespace

std::uint64_t ScaledHalfUp(std::uint64_t numerator, std::uint64_t denominator, int decimals)
{
    // By long division, so that no product can overflow for any history we can read.
    std::uint64_t scaled = numerator / denominator;
    std::uint64_t rest = numerator % denominator;
    for (int i = 0; i < decimals; ++i) {
        scaled = scaled * 10 + rest * 10 / denominator;
        rest = rest * 10 % denominator;
    }
    return scaled + (rest >= denominator - rest ? 1 : 0);
}

std::uint64_t SpaceSizeOf(int length)
{
    std::uint64_t space = 1;
    for (int i = 0; i < length; ++i)
        space *= 10;
    return space;
}

std::vector<std::uint64_t> PeriodsOf(std::span<const Draw> draws)
{
    std::vector<std::uint64_t> periods;
    periods.reserve(draws.size());
    for (const Draw& draw : draws) {
        if (!draw.period)
            return {};
        periods.push_back(*draw.period);
    }
    return periods;
}

std::string WalkJudgedDraws(const ConditionSet& set, int length, std::span<const std::uint32_t> draws, std::size_t last,
                            const std::function<void(const CompiledSet&, std::size_t)>& onDraw)
{
    if (auto problem = Validate(set, length, !draws.empty()))
        return *problem;
    const std::uint64_t space = SpaceSizeOf(length);
    for (std::uint32_t code : draws) {
        if (code >= space)
            return "开奖号码 " + std::to_string(code) + " 不是 " + std::to_string(length) + " 位号码";
    }
    const bool needsHistory = NeedsHistory(set);
    const std::size_t oldest = needsHistory ? 1 : 0;
    const std::size_t judged = std::min(last, draws.size() > oldest ? draws.size() - oldest : 0);
    if (judged == 0)
        return {};
    const std::size_t first = draws.size() - judged;
    // One index holds the draws before the judged one and grows past it;
    // only the history conditions are compiled again for each draw.
    std::optional<HistoryIndex> before;
    if (needsHistory)
        before.emplace(draws.first(first), length);
    CompiledSet compiled(set, length, before ? &*before : nullptr);
    for (std::size_t index = first; index < draws.size(); ++index) {
        if (before && index > first) {
            before->Append(draws[index - 1]);
            compiled.UpdateHistory(*before);
        }
        onDraw(compiled, index);
    }
    return {};
}

BacktestResult Backtest(const ConditionSet& set, int length, std::span<const std::uint32_t> draws, std::size_t last,
                        std::span<const std::uint64_t> periods)
{
    BacktestResult result;
    const bool byPeriod = !periods.empty() && periods.size() == draws.size();
    std::vector<std::uint8_t> fails;
    std::vector<std::uint8_t> groupFails;
    result.error = WalkJudgedDraws(set, length, draws, last, [&](const CompiledSet& compiled, std::size_t index) {
        JudgedDraw draw;
        draw.index = index;
        draw.name = byPeriod ? periods[index] : index + 1;
        draw.code = draws[index];
        draw.kept = compiled.Passes(draw.code);
        draw.keptNumbers = compiled.KeptCount();
        compiled.Explain(draw.code, fails, groupFails);
        for (std::size_t i = 0; i < fails.size(); ++i)
            if (fails[i])
                draw.failed.push_back(compiled.RefAt(i));
        result.kept += draw.kept ? 1 : 0;
        result.keptNumbers += draw.keptNumbers;
        result.draws.push_back(std::move(draw));
    });
    result.ok = result.error.empty();
    if (result.ok)
        result.spaceSize = SpaceSizeOf(length);
    return result;
}

std::string DecimalText(std::uint64_t numerator, std::uint64_t denominator, int decimals)
{
    if (denominator == 0)
        return "-";
    std::uint64_t unit = 1;
    for (int i = 0; i < decimals; ++i)
        unit *= 10;
    const std::uint64_t scaled = ScaledHalfUp(numerator, denominator, decimals);
    std::string text = std::to_string(scaled / unit);
    if (decimals > 0) {
        const std::string fraction = std::to_string(scaled % unit);
        text += '.' + std::string(static_cast<std::size_t>(decimals) - fraction.size(), '0') + fraction;
    }
    return text;
}

std::string BacktestCount(const BacktestResult& result)
{
    return std::to_string(result.draws.size()) + " 期中保留 " + std::to_string(result.kept) + " 期";
}

std::string BacktestSummary(const BacktestResult& result)
{
    const std::uint64_t judged = result.draws.size();
    if (judged == 0 || result.spaceSize == 0)
        return BacktestCount(result);
    return BacktestCount(result) + "（" + DecimalText(result.kept * 100, judged, 1) + "%），随机约 " +
           DecimalText(result.keptNumbers * 100, judged * result.spaceSize, 1) + "%";
}

} // namespace vesk::filter
