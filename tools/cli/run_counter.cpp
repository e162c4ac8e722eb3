#include "tools/cli/run_counter.h"

#include <algorithm>
#include <limits>

namespace vesk::cli {

namespace {

// Seven digits: 40 MB of counts; eight would take 400 MB.
constexpr int kLongestCountedSpace = 7;

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
    m_ring.resize(kQueued);
    m_counter = std::thread([this] { CountBatches(); });
}

RunCounter::~RunCounter()
{
    StopCounting();
}

void RunCounter::Add(const std::uint32_t* codes, std::size_t count)
{
    if (m_batches) {
        m_batches->Add(codes, count);
        return;
    }
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_written - m_read < kQueued; });
    Batch& batch = m_ring[m_written % kQueued];
    lock.unlock();
    // The slot is the producer's until it is published below.
    std::copy_n(codes, count, batch.codes.begin());
    batch.count = count;
    lock.lock();
    ++m_written;
    m_changed.notify_all();
}

void RunCounter::CountBatches()
{
    std::uint32_t* counts = m_perNumber.data();
    for (;;) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_read < m_written || m_done; });
        if (m_read == m_written)
            return;
        const Batch& batch = m_ring[m_read % kQueued];
        lock.unlock();
        // Numbers in random order miss the cache on every count; fetching a
        // few numbers ahead lets those misses overlap.
        constexpr std::size_t kAhead = 16;
        for (std::size_t i = 0; i < batch.count; ++i) {
            if (i + kAhead < batch.count)
                __builtin_prefetch(counts + batch.codes[i + kAhead], 1);
            ++counts[batch.codes[i]];
        }
        lock.lock();
        ++m_read;
        m_changed.notify_all();
    }
}

void RunCounter::StopCounting()
{
    if (!m_counter.joinable())
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_done = true;
    }
    m_changed.notify_all();
    m_counter.join();
}

RunCounts RunCounter::Finish()
{
    if (m_batches)
        return m_batches->Counts();
    StopCounting(); // every batch added is counted first
    filter::WeightedTally tally = m_compiled->TallyWeighted(m_perNumber);
    return RunCounts{tally.in, tally.kept, std::move(tally.conditionFailures), std::move(tally.groupFailures)};
}

} // namespace vesk::cli
