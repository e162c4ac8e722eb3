#include "components/features/analysis/tools/plan_tally.h"

#include <algorithm>

namespace vesk::analysis {

PlanTally TallyPlans(std::span<const std::vector<std::uint32_t>> plans, int length)
{
    PlanTally tally;
    tally.planCount = plans.size();
    tally.spaceSize = 1;
    for (int i = 0; i < length; ++i)
        tally.spaceSize *= 10;

    // One sort of (number, plan) keys: a number's plans stand together, and
    // a plan's repeats of it next to each other.
    std::size_t total = 0;
    for (const auto& plan : plans)
        total += plan.size();
    std::vector<std::uint64_t> keys;
    keys.reserve(total);
    for (std::size_t p = 0; p < plans.size(); ++p)
        for (std::uint32_t code : plans[p])
            keys.push_back(std::uint64_t(code) << 32 | p);
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());

    tally.byCount.assign(plans.size() + 1, 0);
    for (std::size_t i = 0; i < keys.size();) {
        const auto code = static_cast<std::uint32_t>(keys[i] >> 32);
        std::size_t j = i;
        while (j < keys.size() && static_cast<std::uint32_t>(keys[j] >> 32) == code)
            ++j;
        tally.numbers.push_back(code);
        tally.plans.push_back(static_cast<std::uint32_t>(j - i));
        ++tally.byCount[j - i];
        i = j;
    }
    tally.byCount[0] = tally.spaceSize - tally.numbers.size();
    return tally;
}

std::vector<std::uint32_t> NumbersInAtLeast(const PlanTally& tally, std::size_t k)
{
    k = std::max<std::size_t>(k, 1);
    std::vector<std::uint32_t> numbers;
    for (std::size_t i = 0; i < tally.numbers.size(); ++i)
        if (tally.plans[i] >= k)
            numbers.push_back(tally.numbers[i]);
    return numbers;
}

std::uint64_t AtLeastCount(const PlanTally& tally, std::size_t c)
{
    std::uint64_t count = 0;
    for (std::size_t i = c; i < tally.byCount.size(); ++i)
        count += tally.byCount[i];
    return count;
}

} // namespace vesk::analysis
