#pragma once
// A run counted number by number, each number explained against the set: the
// reference count, and the way to count a few numbers (a run of as many
// numbers as the space holds is counted cheaper by CompiledSet::TallyWeighted).

#include "components/filter/engine/compiled_set.h"

#include <cstdint>
#include <vector>

namespace vesk::filter {

class RunTally {
public:
    // compiled must outlive the tally.
    explicit RunTally(const CompiledSet& compiled);

    // Counts the number in; returns whether it passes the set.
    bool Add(std::uint32_t code) { return Add(code, 1); }
    // Counts the number in times times.
    bool Add(std::uint32_t code, std::uint64_t times);

    const RunCounts& Counts() const { return m_counts; }
    std::uint64_t In() const { return m_counts.in; }
    std::uint64_t Kept() const { return m_counts.kept; }
    // Per compiled condition (CompiledSet::RefAt names it) and per compiled group.
    const std::vector<std::uint64_t>& ConditionFailures() const { return m_counts.conditionFailures; }
    const std::vector<std::uint64_t>& GroupFailures() const { return m_counts.groupFailures; }

private:
    const CompiledSet* m_compiled;
    RunCounts m_counts;
    std::vector<std::uint8_t> m_fails;
    std::vector<std::uint8_t> m_groupFails;
};

} // namespace vesk::filter
