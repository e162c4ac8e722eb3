#pragma once
// Hands batches of judged numbers to work done on a thread of its own, so
// that what a command does with every number beside printing the kept ones
// (counting them, writing the rejected ones) runs while the text is parsed.

#include <array>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace vesk::cli {

class BatchWorker {
public:
    using Work = std::function<void(const std::uint32_t* codes, const std::uint8_t* passes, std::size_t count)>;
    static constexpr std::size_t kMaxBatch = 1024;

    explicit BatchWorker(Work work);
    ~BatchWorker();
    BatchWorker(const BatchWorker&) = delete;
    BatchWorker& operator=(const BatchWorker&) = delete;

    // Copies the batch (count at most kMaxBatch; passes may be null) and
    // returns; waits only while the worker is a whole ring of batches behind.
    void Add(const std::uint32_t* codes, const std::uint8_t* passes, std::size_t count);
    // Returns once every batch added is done; the worker then stops.
    void Finish();

private:
    struct Batch {
        std::array<std::uint32_t, kMaxBatch> codes;
        std::array<std::uint8_t, kMaxBatch> passes;
        std::size_t count = 0;
    };
    static constexpr std::size_t kQueued = 32;

    void Run();

    Work m_work;
    std::vector<Batch> m_ring;
    std::size_t m_written = 0; // batches added, ever
    std::size_t m_read = 0;    // batches done, ever
    bool m_done = false;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::thread m_thread;
};

} // namespace vesk::cli
