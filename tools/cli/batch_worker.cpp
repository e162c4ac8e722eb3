#include "tools/cli/batch_worker.h"

#include <algorithm>

namespace vesk::cli {

BatchWorker::BatchWorker(Work work) : m_work(std::move(work)), m_ring(kQueued)
{
    m_thread = std::thread([this] { Run(); });
}

BatchWorker::~BatchWorker()
{
    Finish();
}

void BatchWorker::Add(const std::uint32_t* codes, const std::uint8_t* passes, std::size_t count)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_written - m_read < kQueued; });
    Batch& batch = m_ring[m_written % kQueued];
    lock.unlock();
    // The slot is this side's until it is published below.
    count = std::min(count, kMaxBatch);
    std::copy_n(codes, count, batch.codes.begin());
    if (passes)
        std::copy_n(passes, count, batch.passes.begin());
    batch.count = count;
    lock.lock();
    ++m_written;
    m_changed.notify_all();
}

void BatchWorker::Run()
{
    for (;;) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_read < m_written || m_done; });
        if (m_read == m_written)
            return; // done, and nothing left
        const Batch& batch = m_ring[m_read % kQueued];
        lock.unlock();
        m_work(batch.codes.data(), batch.passes.data(), batch.count);
        lock.lock();
        ++m_read;
        m_changed.notify_all();
    }
}

void BatchWorker::Finish()
{
    if (!m_thread.joinable())
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_done = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

} // namespace vesk::cli
