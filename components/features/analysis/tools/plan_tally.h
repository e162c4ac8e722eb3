#pragma once
// 大方案统计: many plans (number lists) of one length; for each number, in
// how many plans it is. A plan that holds a number twice counts once.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vesk::analysis {

struct PlanTally {
    std::size_t planCount = 0;
    std::uint64_t spaceSize = 0;        // 10^length
    std::vector<std::uint32_t> numbers; // in at least one plan, ascending
    std::vector<std::uint32_t> plans;   // plans[i]: the plans holding numbers[i]
    // byCount[c]: numbers of the space in exactly c plans, c = 0..planCount
    // (byCount[0] the numbers in none).
    std::vector<std::uint64_t> byCount;
};

// plans: codes below 10^length (length 1..8), any order, repeats allowed.
PlanTally TallyPlans(std::span<const std::vector<std::uint32_t>> plans, int length);

// The numbers in at least k plans, ascending (k 0 is taken as 1).
std::vector<std::uint32_t> NumbersInAtLeast(const PlanTally& tally, std::size_t k);

// Numbers of the space in at least c plans, from byCount.
std::uint64_t AtLeastCount(const PlanTally& tally, std::size_t c);

} // namespace vesk::analysis
