#include "components/features/analysis/pick/pick_table.h"

#include "components/features/analysis/omission_table.h"

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

} // namespace vesk::analysis
