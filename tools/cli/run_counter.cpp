#include "tools/cli/run_counter.h"

#include <limits>

namespace vesk::cli {

namespace {

// Seven digits: 40 MB of counts; eight would take 400 MB.
constexpr int kLongestCountedSpace = 7;

static_assert(BatchWorker::kMaxBatch >= BatchTally::kMaxBatch, "a tallied batch is counted as one");

} // namespace

RunCounter::RunCounter(const filter::CompiledSet& compiled, std::uint64_t expected) : m_compiled(&compiled)
{
    const std::uint64_t size = compiled.Space().Size();
    // 32-bit counts cannot wrap: fewer numbers come than one count holds.
    const bool walk = compiled.Length() <= kLongestCountedSpace && expected >= size / 4 &&
                      expected < std::numeric_limits<std::uint32_t>::max();
    if (!walk) {
        m_batches.emplace(compiled);
        return;
    }
    m_perNumber.assign(size, 0);
    m_counter.emplace([counts = m_perNumber.data()](const std::uint32_t* codes, const std::uint8_t*, std::size_t count) {
        // Numbers in random order miss the cache on every count; fetching a
        // few numbers ahead lets those misses overlap.
        constexpr std::size_t kAhead = 16;
        for (std::size_t i = 0; i < count; ++i) {
            if (i + kAhead < count)
                __builtin_prefetch(counts + codes[i + kAhead], 1);
            ++counts[codes[i]];
        }
    });
}

void RunCounter::Add(const std::uint32_t* codes, std::size_t count)
{
    if (m_batches)
        m_batches->Add(codes, count);
    else
        m_counter->Add(codes, nullptr, count);
}

filter::RunCounts RunCounter::Finish()
{
    if (m_batches)
        return m_batches->Counts();
    m_counter->Finish(); // every batch added is counted first
    return m_compiled->TallyWeighted(m_perNumber);
}

} // namespace vesk::cli
