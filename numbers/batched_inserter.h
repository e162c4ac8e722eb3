#pragma once
// Inserting millions of random values into a ValueBitmap larger than the
// core's cache stalls on a cache miss per value. BatchedInserter first sorts
// values coarsely into bands of the bitmap that fit the cache, then inserts
// band by band, so the misses turn into sequential writes of small buffers.

#include "numbers/value_bitmap.h"

#include <cstdint>
#include <vector>

namespace vesk {

class BatchedInserter {
public:
    // Throws std::bad_alloc like the containers it holds.
    explicit BatchedInserter(ValueBitmap& bitmap)
        : m_bitmap(bitmap)
        , m_bands((bitmap.Limit() >> kBandBits) + 1)
        , m_values(m_bands * kBandCapacity)
        , m_fill(m_bands, 0)
    {
    }
    BatchedInserter(const BatchedInserter&) = delete;
    BatchedInserter& operator=(const BatchedInserter&) = delete;
    ~BatchedInserter() { Flush(); }

    // Whether batching pays off: the bitmap outgrows a core's cache.
    static bool Worthwhile(const ValueBitmap& bitmap) { return bitmap.Limit() > (std::uint32_t(1) << 22); }

    void Insert(std::uint32_t value)
    {
        const std::uint32_t band = value >> kBandBits;
        std::uint32_t& fill = m_fill[band];
        m_values[band * kBandCapacity + fill] = value;
        if (++fill == kBandCapacity)
            FlushBand(band);
    }

    void Flush()
    {
        for (std::uint32_t band = 0; band < m_bands; ++band)
            FlushBand(band);
    }

private:
    // A band of 2^21 values is 256 KB of bitmap.
    static constexpr int kBandBits = 21;
    static constexpr std::uint32_t kBandCapacity = 1 << 14;

    void FlushBand(std::uint32_t band)
    {
        const std::uint32_t* values = m_values.data() + std::size_t(band) * kBandCapacity;
        for (std::uint32_t i = 0; i < m_fill[band]; ++i)
            m_bitmap.Insert(values[i]);
        m_fill[band] = 0;
    }

    ValueBitmap& m_bitmap;
    std::uint32_t m_bands;
    std::vector<std::uint32_t> m_values;
    std::vector<std::uint32_t> m_fill;
};

// source(insert) calls insert(value) for every value to put into bitmap,
// batched when the bitmap is large.
template <typename Source>
void InsertAll(ValueBitmap& bitmap, Source&& source)
{
    if (BatchedInserter::Worthwhile(bitmap)) {
        BatchedInserter inserter(bitmap);
        source([&](std::uint32_t value) { inserter.Insert(value); });
    } else {
        source([&](std::uint32_t value) { bitmap.Insert(value); });
    }
}

} // namespace vesk
