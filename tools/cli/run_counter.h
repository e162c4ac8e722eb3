#pragma once
// The run report's counts taken the cheaper way for the amount of input:
// per number and condition for a few numbers, or, once the numbers are
// about as many as the space holds, as a count per number of the space that
// one walk over the space tallies. The counting then runs on a thread of its
// own beside the parsing, which is what the command waits on otherwise.

#include "tools/cli/batch_tally.h"

#include <array>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace vesk::cli {

class RunCounter {
public:
    // compiled must outlive the counter; expected: about how many numbers
    // will be added (an upper bound is fine).
    RunCounter(const filter::CompiledSet& compiled, std::uint64_t expected);
    ~RunCounter();
    RunCounter(const RunCounter&) = delete;
    RunCounter& operator=(const RunCounter&) = delete;

    // codes[0, count), count at most BatchTally::kMaxBatch.
    void Add(const std::uint32_t* codes, std::size_t count);
    // Once, after the last Add.
    RunCounts Finish();

    bool CountsPerNumber() const { return !m_perNumber.empty(); }

private:
    struct Batch {
        std::array<std::uint32_t, BatchTally::kMaxBatch> codes;
        std::size_t count = 0;
    };
    static constexpr std::size_t kQueued = 32;

    void CountBatches();
    void StopCounting();

    const filter::CompiledSet* m_compiled;
    std::optional<BatchTally> m_batches;
    std::vector<std::uint32_t> m_perNumber; // per number of the space, when counted so

    // Batches handed from Add to the counting thread: a ring of kQueued.
    std::vector<Batch> m_ring;
    std::size_t m_written = 0; // batches added, ever
    std::size_t m_read = 0;    // batches counted, ever
    bool m_done = false;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::thread m_counter;
};

} // namespace vesk::cli
