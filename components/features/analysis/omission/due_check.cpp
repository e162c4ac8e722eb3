#include "components/features/analysis/omission/due_check.h"

#include "components/features/analysis/chance_verdict.h"
#include "components/features/analysis/omission_table.h"
#include "components/filter/engine/digits.h"

#include <vector>

namespace vesk::analysis {

namespace {

void Count(DueLevelCheck& check, bool came, std::uint64_t count, WideInt& chanceSum)
{
    ++check.cases;
    check.came += came ? 1 : 0;
    chanceSum += count;
}

void Finish(DueLevelCheck& check, WideInt chanceSum, std::uint64_t space)
{
    if (check.cases == 0)
        return;
    check.rate = {check.came, check.cases};
    check.chance = {static_cast<std::int64_t>(chanceSum), check.cases * static_cast<std::int64_t>(space)};
}

std::string LevelText(const DueLevelCheck& check)
{
    if (check.cases == 0)
        return "没有这样的项";
    return "下一期出现 " + std::to_string(check.came) + "/" + std::to_string(check.cases) + " 次 " +
           FormatFigure(check.rate, 1, 100) + "%，它们的平均概率 " + FormatFigure(check.chance, 1, 100) + "%" +
           (check.cases < static_cast<std::int64_t>(kFewScored) ? kFewScoredNote : "");
}

} // namespace

DueCheck CheckDue(const Family& family, std::span<const std::uint32_t> draws, std::size_t last)
{
    DueCheck check;
    check.atLeastTwo.level = 2;
    const std::size_t start = draws.size() - WindowSize(last, draws.size());
    const std::uint64_t space = family.SpaceSize();
    std::vector<std::int64_t> lastHit(family.Size(), -1);
    std::vector<std::uint8_t> hit(family.Size(), 0);
    std::vector<std::uint32_t> hits;
    WideInt chanceOne = 0, chanceTwo = 0;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const std::uint32_t code = draws[i];
        if (code >= space)
            continue;
        const filter::Digits digits = filter::DigitsOf(code, family.Length());
        hits.clear();
        family.Finder().Find(digits.data(), code, hits);
        if (i >= start) {
            for (std::uint32_t k : hits)
                hit[k] = 1;
            for (std::size_t k = 0; k < family.Size(); ++k) {
                if (!family.Listed(k))
                    continue;
                // 欲出几率 before this draw: current * p / (1 - p), compared exactly.
                const auto current = static_cast<WideInt>(static_cast<std::int64_t>(i) - 1 - lastHit[k]);
                const std::uint64_t count = family.SpaceCount(k);
                const WideInt due = current * count;
                const WideInt odds = static_cast<WideInt>(space - count);
                if (due >= odds)
                    Count(check.atLeastOne, hit[k] != 0, count, chanceOne);
                if (due >= 2 * odds)
                    Count(check.atLeastTwo, hit[k] != 0, count, chanceTwo);
            }
            for (std::uint32_t k : hits)
                hit[k] = 0;
        }
        for (std::uint32_t k : hits)
            lastHit[k] = static_cast<std::int64_t>(i);
    }
    Finish(check.atLeastOne, chanceOne, space);
    Finish(check.atLeastTwo, chanceTwo, space);
    return check;
}

std::string DueCheckText(const DueCheck& check)
{
    return "欲出几率≥1 的项" + LevelText(check.atLeastOne) + "；≥2 的项" + LevelText(check.atLeastTwo);
}

} // namespace vesk::analysis
