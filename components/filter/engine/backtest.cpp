#include "components/filter/engine/backtest.h"

#include "components/filter/engine/condition_value.h"
#include "components/filter/engine/digits.h"
#include "components/filter/engine/validate.h"

#include <algorithm>
#include <optional>

namespace vesk::filter {

namespace {

struct ActiveCondition {
    ConditionRef ref;
    PreparedCondition prepared;
};

} // namespace

BacktestResult Backtest(const ConditionSet& set, int length, std::span<const std::uint32_t> draws, std::size_t last)
{
    BacktestResult result;
    if (auto problem = Validate(set, length, !draws.empty())) {
        result.error = *problem;
        return result;
    }
    std::vector<ActiveCondition> active;
    bool needsHistory = false;
    for (std::size_t g = 0; g < set.groups.size(); ++g) {
        if (!set.groups[g].enabled)
            continue;
        for (std::size_t i = 0; i < set.groups[g].conditions.size(); ++i) {
            const Condition& c = set.groups[g].conditions[i];
            if (!c.enabled)
                continue;
            active.push_back({{g, i}, PreparedCondition(c, length)});
            needsHistory = needsHistory || InfoOf(c.type).needsHistory;
        }
    }
    const std::size_t oldest = needsHistory ? 1 : 0;
    const std::size_t judged = std::min(last, draws.size() > oldest ? draws.size() - oldest : 0);
    for (std::size_t index = draws.size() - judged; index < draws.size(); ++index) {
        std::optional<HistoryIndex> before;
        if (needsHistory)
            before.emplace(draws.first(index), length);
        JudgedDraw draw{index, draws[index], true, {}};
        const Digits d = DigitsOf(draw.code, length);
        std::vector<int> errors(set.groups.size(), 0);
        for (const ActiveCondition& a : active) {
            if (!a.prepared.Holds(d.data(), before ? &*before : nullptr)) {
                draw.failed.push_back(a.ref);
                ++errors[a.ref.group];
            }
        }
        for (std::size_t g = 0; g < set.groups.size(); ++g)
            if (set.groups[g].enabled && !ErrorsAllowed(set.groups[g], errors[g]))
                draw.kept = false;
        result.kept += draw.kept ? 1 : 0;
        result.draws.push_back(std::move(draw));
    }
    result.ok = true;
    return result;
}

std::string BacktestSummary(const BacktestResult& result)
{
    return std::to_string(result.draws.size()) + " 期中保留 " + std::to_string(result.kept) + " 期";
}

} // namespace vesk::filter
