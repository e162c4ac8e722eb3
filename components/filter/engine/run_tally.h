#pragma once
// The tallies of a run: how many numbers went in and were kept, and per
// condition and per group how many numbers failed it, counted even where
// the group's allowed errors forgave the condition.

#include "components/filter/engine/compiled_set.h"

#include <cstdint>
#include <vector>

namespace vesk::filter {

class RunTally {
public:
    // compiled must outlive the tally.
    explicit RunTally(const CompiledSet& compiled);

    // Counts the number in; returns whether it passes the set.
    bool Add(std::uint32_t code);

    std::uint64_t In() const { return m_in; }
    std::uint64_t Kept() const { return m_kept; }
    // Per compiled condition (CompiledSet::RefAt names it) and per compiled group.
    const std::vector<std::uint64_t>& ConditionFailures() const { return m_conditionFailures; }
    const std::vector<std::uint64_t>& GroupFailures() const { return m_groupFailures; }

private:
    const CompiledSet* m_compiled;
    std::uint64_t m_in = 0;
    std::uint64_t m_kept = 0;
    std::vector<std::uint64_t> m_conditionFailures;
    std::vector<std::uint64_t> m_groupFailures;
    std::vector<std::uint8_t> m_fails;
    std::vector<std::uint8_t> m_groupFails;
};

} // namespace vesk::filter
