#pragma once
// The tallies of a filter run taken a batch of numbers at a time: the same
// counts as filter::RunTally, but each condition is looked up for the whole
// batch in one branch-free loop, so the table loads of numbers in random
// order overlap instead of queueing behind one number's thirty.

#include "components/filter/engine/compiled_set.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vesk::cli {

class BatchTally {
public:
    // compiled must outlive the tally.
    explicit BatchTally(const filter::CompiledSet& compiled);

    // Counts codes[0, count) in; count at most kMaxBatch.
    void Add(const std::uint32_t* codes, std::size_t count);
    const filter::RunCounts& Counts() const { return m_counts; }

    static constexpr std::size_t kMaxBatch = 1024;

private:
    const filter::CompiledSet* m_compiled;
    filter::RunCounts m_counts;
    std::vector<std::uint32_t> m_high, m_low, m_multiset;
    std::vector<std::uint16_t> m_errors;
    std::vector<std::uint8_t> m_fails, m_passes;
};

} // namespace vesk::cli
