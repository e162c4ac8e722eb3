#pragma once
// The run report's counts taken the cheaper way for the amount of input:
// per number and condition for a few numbers, or, once the numbers are
// about as many as the space holds, as a count per number of the space that
// one walk over the space tallies. The counting then runs on a thread of its
// own beside the parsing, which is what the command waits on otherwise.

#include "tools/cli/batch_tally.h"
#include "tools/cli/batch_worker.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace vesk::cli {

class RunCounter {
public:
    // compiled must outlive the counter; expected: about how many numbers
    // will be added (an upper bound is fine).
    RunCounter(const filter::CompiledSet& compiled, std::uint64_t expected);

    // codes[0, count), count at most BatchTally::kMaxBatch.
    void Add(const std::uint32_t* codes, std::size_t count);
    // Once, after the last Add.
    filter::RunCounts Finish();

    bool CountsPerNumber() const { return !m_perNumber.empty(); }

private:
    const filter::CompiledSet* m_compiled;
    std::optional<BatchTally> m_batches;
    std::vector<std::uint32_t> m_perNumber; // per number of the space, when counted so
    std::optional<BatchWorker> m_counter;   // counts into m_perNumber
};

} // namespace vesk::cli
