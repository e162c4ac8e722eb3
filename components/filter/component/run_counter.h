#pragma once
// Counts a run number by number at the cost of one table look-up each, and
// works out the report's per-condition tallies once at the end: a run sees
// only 10^L distinct codes, so the counts per code are tallied in one walk
// over the space (the engine's TallyWeighted, as vesk-cli's report does), or,
// for spaces too large to count densely, per distinct code.

#include "components/filter/engine/compiled_set.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace vesk::filter {

// The engine's counts of the run, with what they count: per compiled
// condition the set's condition it stands for, per compiled group the set's
// group index.
struct RunReport : RunCounts {
    std::vector<ConditionRef> conditions;
    std::vector<std::size_t> groups;
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
