#include "components/features/analysis/pick/pick_table.h"

#include "components/features/analysis/omission_table.h"

#include <algorithm>

namespace vesk::analysis {

namespace {

Figure Ratio(std::uint64_t num, std::uint64_t den)
{
    return den == 0 ? Figure{0, 1} : Figure{static_cast<std::int64_t>(num), static_cast<std::int64_t>(den)};
}

} // namespace

PickTable ComputePickTable(PickMethod method, const PickParameters& parameters, const PatternSpace& space,
                           std::span<const std::uint32_t> draws, std::size_t last)
{
    PickTable table;
    table.historySize = draws.size();
    table.window = WindowSize(last, draws.size());
    table.rows.resize(space.Size());
    table.baselineCounts.assign(space.Size(), 0);
    PlaceClassifier classifier(method, parameters, draws, space.Length());
    for (std::size_t i = draws.size() - table.window; i < draws.size(); ++i) {
        const std::optional<DigitClasses> classes = classifier.At(i);
        if (!classes)
            continue;
        ++table.scored;
        ++table.rows[space.PatternOf(*classes, draws[i])].count;
        for (std::size_t p = 0; p < space.Size(); ++p)
            table.baselineCounts[p] += space.SpaceCount(p, *classes);
    }
    table.next = classifier.At(draws.size());
    for (std::size_t p = 0; p < space.Size(); ++p) {
        PickPatternRow& row = table.rows[p];
        row.share = Ratio(static_cast<std::uint64_t>(row.count), table.scored);
        row.spaceShare = table.next ? Ratio(space.SpaceCount(p, *table.next), space.SpaceSize()) : Figure{0, 1};
        row.baseline = Ratio(table.baselineCounts[p], table.scored * space.SpaceSize());
    }
    return table;
}

PickBackTest BackTestPicked(const PickTable& table, const PatternSpace& space, const std::vector<bool>& picked)
{
    PickBackTest test;
    test.scored = table.scored;
    std::uint64_t covered = 0;
    for (std::size_t p = 0; p < table.rows.size() && p < picked.size(); ++p) {
        if (!picked[p])
            continue;
        test.hits += table.rows[p].count;
        covered += table.baselineCounts[p];
    }
    test.rate = Ratio(static_cast<std::uint64_t>(test.hits), table.scored);
    test.baseline = Ratio(covered, table.scored * space.SpaceSize());
    return test;
}

PickTable HeldOutTable(PickMethod method, const PickParameters& parameters, const PatternSpace& space,
                       std::span<const std::uint32_t> draws, std::size_t last)
{
    const std::size_t window = WindowSize(last, draws.size());
    const std::span<const std::uint32_t> before = draws.first(draws.size() - window);
    if (before.empty()) {
        PickTable none;
        none.rows.resize(space.Size());
        none.baselineCounts.assign(space.Size(), 0);
        return none;
    }
    return ComputePickTable(method, parameters, space, before, window);
}

std::vector<bool> RulePicks(const PickTable& table)
{
    std::vector<bool> picked(table.rows.size(), false);
    for (std::size_t p = 0; p < table.rows.size(); ++p)
        picked[p] = table.scored > 0 && table.rows[p].share.Compare(table.rows[p].baseline) > 0;
    return picked;
}

PickBackTest WalkForwardRule(PickMethod method, const PickParameters& parameters, const PatternSpace& space,
                             std::span<const std::uint32_t> draws, std::size_t ruleWindow, std::size_t count)
{
    PickBackTest test;
    if (ruleWindow == 0 || draws.size() <= ruleWindow)
        return test;
    const std::size_t first = std::max(ruleWindow, draws.size() - std::min(count, draws.size()));
    std::uint64_t covered = 0;
    for (std::size_t i = first; i < draws.size(); ++i) {
        // The table of the draws before i: its next classes are draw i's.
        const PickTable table = ComputePickTable(method, parameters, space, draws.first(i), ruleWindow);
        if (!table.next)
            continue;
        ++test.scored;
        const std::vector<bool> picked = RulePicks(table);
        if (picked[space.PatternOf(*table.next, draws[i])])
            ++test.hits;
        for (std::size_t p = 0; p < picked.size(); ++p)
            covered += picked[p] ? space.SpaceCount(p, *table.next) : 0;
    }
    test.rate = Ratio(static_cast<std::uint64_t>(test.hits), test.scored);
    test.baseline = Ratio(covered, test.scored * space.SpaceSize());
    return test;
}

} // namespace vesk::analysis
