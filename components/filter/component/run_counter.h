#pragma once
// Counts a run number by number at the cost of one table look-up each, and
// works out the report's per-condition tallies once at the end: a run sees
// each number code at most 10^L times but only 10^L distinct codes, so the
// full explanation is computed per distinct code and weighted by how often
// it came.

#include "components/filter/engine/compiled_set.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace vesk::filter {

struct RunReport {
    std::uint64_t in = 0;
    std::uint64_t kept = 0;
    // Per compiled condition, the set's condition it stands for and how many
    // numbers failed it (counted even where the group's 容错 forgave it).
    std::vector<ConditionRef> conditions;
    std::vector<std::uint64_t> conditionFailures;
    // Per compiled group: the set's group index and how many numbers it rejected.
    std::vector<std::size_t> groups;
    std::vector<std::uint64_t> groupFailures;
    // The set the run counted, as it was then: the places above point into
    // it, whatever becomes of the set being edited (filled by the engine).
    ConditionSet set;
};

class RunCounter {
public:
    // compiled must outlive the counter.
    explicit RunCounter(const CompiledSet& compiled);

    // Counts the number in; returns whether it passes the set.
    bool Add(std::uint32_t code)
    {
        if (m_dense.empty())
            ++m_sparse[code];
        else
            ++m_dense[code];
        return m_compiled->Passes(code);
    }

    RunReport Finish() const;

private:
    const CompiledSet* m_compiled;
    std::vector<std::uint32_t> m_dense; // per code, for spaces small enough to count densely
    std::unordered_map<std::uint32_t, std::uint64_t> m_sparse;
};

} // namespace vesk::filter
