#include "numbers/sort_keys.h"

#include <algorithm>
#include <array>
#include <new>

namespace vesk {

namespace {

constexpr std::size_t kRadixThreshold = 1024;
constexpr int kPassBits = 16;
constexpr std::size_t kBuckets = std::size_t(1) << kPassBits;

std::size_t DigitOf(std::uint64_t key, int pass)
{
    return static_cast<std::size_t>(key >> (pass * kPassBits)) & (kBuckets - 1);
}

} // namespace

void SortKeys(std::vector<std::uint64_t>& keys)
{
    if (keys.size() < kRadixThreshold) {
        std::sort(keys.begin(), keys.end());
        return;
    }
    std::vector<std::uint64_t> scratch;
    std::vector<std::size_t> offsets;
    try {
        scratch.resize(keys.size());
        offsets.resize(kBuckets);
    } catch (const std::bad_alloc&) {
        std::sort(keys.begin(), keys.end());
        return;
    }
    for (int pass = 0; pass < 64 / kPassBits; ++pass) {
        std::fill(offsets.begin(), offsets.end(), 0);
        for (std::uint64_t key : keys)
            ++offsets[DigitOf(key, pass)];
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
