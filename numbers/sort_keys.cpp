#include "numbers/sort_keys.h"

#include <algorithm>
#include <array>
#include <new>

namespace vesk {

namespace {

constexpr std::size_t kRadixThreshold = 1024;
// 2048 buckets: few enough that the scatter writes stay in the cache.
constexpr int kPassBits = 11;
constexpr int kPasses = (64 + kPassBits - 1) / kPassBits;
constexpr std::size_t kBuckets = std::size_t(1) << kPassBits;

std::size_t DigitOf(std::uint64_t key, int pass)
{
    return static_cast<std::size_t>(key >> (pass * kPassBits)) & (kBuckets - 1);
}

} // namespace

void SortKeys(SortKeyVector& keys)
{
    if (keys.size() < kRadixThreshold) {
        std::sort(keys.begin(), keys.end());
        return;
    }
    SortKeyVector scratch;
    std::vector<std::array<std::size_t, kBuckets>> counts;
    try {
        scratch.resize(keys.size());
        counts.resize(kPasses);
    } catch (const std::bad_alloc&) {
        std::sort(keys.begin(), keys.end());
        return;
    }
    // Every pass's histogram in one read of the keys.
    for (std::uint64_t key : keys) {
        for (int pass = 0; pass < kPasses; ++pass)
            ++counts[static_cast<std::size_t>(pass)][DigitOf(key, pass)];
    }
    for (int pass = 0; pass < kPasses; ++pass) {
        auto& offsets = counts[static_cast<std::size_t>(pass)];
        if (offsets[DigitOf(keys.front(), pass)] == keys.size())
            continue; // every key shares this digit
        std::size_t total = 0;
        for (std::size_t& offset : offsets) {
            const std::size_t size = offset;
            offset = total;
            total += size;
        }
        for (std::uint64_t key : keys)
            scratch[offsets[DigitOf(key, pass)]++] = key;
        keys.swap(scratch);
    }
}

} // namespace vesk
