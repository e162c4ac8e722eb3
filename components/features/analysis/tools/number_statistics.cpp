#include "components/features/analysis/tools/number_statistics.h"

#include "components/features/analysis/family_builders.h"
#include "components/features/analysis/tools/group_statistics.h"
#include "components/features/analysis/tools/set_operations.h"
#include "components/filter/engine/digits.h"

#include <algorithm>
#include <bit>
#include <memory>

namespace vesk::analysis {
namespace {

bool Listed(const std::vector<std::uint32_t>& sorted, std::uint32_t code)
{
    return std::binary_search(sorted.begin(), sorted.end(), code);
}

Figure Ratio(std::int64_t num, std::int64_t den)
{
    return den > 0 ? Figure{num, den} : Figure{0, 1};
}

} // namespace

std::vector<ValueShareRow> ValueDistribution(filter::ConditionType type, std::span<const std::uint32_t> list, int length)
{
    std::vector<ValueShareRow> rows;
    if (!IsFamilyType(type))
        return rows;
    const std::unique_ptr<Family> family = MakeTypeFamily(type, length);
    const std::vector<std::uint32_t> distinct = DistinctCodes({list.begin(), list.end()}, length, false);
    std::vector<std::uint64_t> counts(family->Size(), 0);
    std::vector<std::uint32_t> hits;
    for (std::uint32_t code : distinct) {
        hits.clear();
        family->Finder().Find(filter::DigitsOf(code, length).data(), code, hits);
        for (std::uint32_t item : hits)
            ++counts[item];
    }
    for (std::size_t i = 0; i < family->Size(); ++i) {
        if (family->SpaceCount(i) == 0)
            continue;
        ValueShareRow row;
        row.value = std::stoll(family->Items()[i].label);
        row.title = ValueText(type, row.value, length);
        row.count = counts[i];
        row.share = Ratio(static_cast<std::int64_t>(counts[i]), static_cast<std::int64_t>(distinct.size()));
        row.spaceShare = Ratio(static_cast<std::int64_t>(family->SpaceCount(i)), static_cast<std::int64_t>(family->SpaceSize()));
        rows.push_back(std::move(row));
    }
    return rows;
}

ListBacktest BacktestList(std::span<const std::uint32_t> list, int length, std::span<const std::uint32_t> draws,
                          std::size_t last)
{
    ListBacktest test;
    const std::vector<std::uint32_t> straight = DistinctCodes({list.begin(), list.end()}, length, false);
    const std::vector<std::uint32_t> groups = DistinctCodes(straight, length, true);
    test.listSize = straight.size();
    test.groupCount = groups.size();

    std::int64_t space = 1;
    for (int i = 0; i < length; ++i)
        space *= 10;
    std::int64_t groupSpace = 0;
    for (std::uint32_t group : groups)
        groupSpace += GroupOrderings(group, length);
    test.straightBaseline = Ratio(static_cast<std::int64_t>(straight.size()), space);
    test.groupBaseline = Ratio(groupSpace, space);

    // Group bets: the listed groups with at least two distinct digits.
    const auto distinctDigits = [length](std::uint32_t code) {
        const filter::Digits d = filter::DigitsOf(code, length);
        return std::popcount(filter::DigitMask(d.data(), length));
    };
    const auto groupBets = static_cast<std::uint64_t>(
        std::count_if(groups.begin(), groups.end(), [&](std::uint32_t g) { return distinctDigits(g) > 1; }));

    const std::size_t start = WindowStart(draws.size(), last);
    test.scored = draws.size() - start;
    test.prizes = length == 3;
    std::int64_t straightWin = 0;
    std::int64_t groupWin = 0;
    for (std::size_t t = start; t < draws.size(); ++t) {
        const filter::Digits d = filter::DigitsOf(draws[t], length);
        BacktestDraw row{t, Listed(straight, draws[t]), Listed(groups, filter::GroupCodeOf(d.data(), length))};
        test.straightHits += row.straight ? 1 : 0;
        test.groupHits += row.group ? 1 : 0;
        if (row.straight)
            straightWin += kStraightPrize;
        const int kinds = distinctDigits(draws[t]);
        if (row.group && kinds > 1)
            groupWin += kinds == 2 ? kGroup3Prize : kGroup6Prize;
        test.draws.push_back(row);
    }
    const auto scored = static_cast<std::int64_t>(test.scored);
    test.straightRate = Ratio(test.straightHits, scored);
    test.groupRate = Ratio(test.groupHits, scored);
    if (test.prizes) {
        test.straightBetting.betsPerDraw = straight.size();
        test.straightBetting.cost = scored * static_cast<std::int64_t>(straight.size()) * kBetPrice;
        test.straightBetting.winnings = straightWin;
        test.straightBetting.returnRate = Ratio(straightWin, test.straightBetting.cost);
        test.groupBetting.betsPerDraw = groupBets;
        test.groupBetting.cost = scored * static_cast<std::int64_t>(groupBets) * kBetPrice;
        test.groupBetting.winnings = groupWin;
        test.groupBetting.returnRate = Ratio(groupWin, test.groupBetting.cost);
    }
    return test;
}

} // namespace vesk::analysis
