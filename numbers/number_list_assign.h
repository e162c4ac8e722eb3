#pragma once
// Whole-list walks and rebuilds of a NumberList from ascending values,
// shared by the operations that work on values (sorting, dedupe, the
// conversions, parsing with dedupe). Only the list's own translation units
// include this.

#include "numbers/digit_packing.h"
#include "numbers/number_list.h"

#include <cstring>
#include <limits>
#include <new>
#include <vector>

namespace vesk {

template <typename Visit>
void NumberList::ForEachRecord(Visit&& visit) const
{
    const std::uint8_t* const begin = m_records.data();
    const std::size_t total = std::size_t(m_count) * m_recordSize;
    std::size_t offset = 0;
    for (std::uint32_t i = 0; i < m_count; ++i, offset += m_recordSize) {
        std::uint32_t tag = 0;
        std::memcpy(&tag, begin + offset, sizeof tag);
        // One wide load wherever 8 bytes follow the tag inside the array.
        const std::uint8_t* digits = begin + offset + kTagSize;
        const std::uint64_t packed = offset + kTagSize + 8 <= total ? digits::LoadWide(digits, m_length)
                                                                    : digits::Load(digits, m_length);
        visit(i, tag, packed);
    }
}

// source(emit) calls emit(value) count times, each value below 10^length.
template <typename ValueSource>
bool NumberList::AssignValues(std::uint64_t count, int length, std::uint32_t tag, ValueSource&& source)
{
    if (count > std::numeric_limits<std::uint32_t>::max())
        return false;
    const std::size_t recordSize = std::size_t(length) + kTagSize;
    RecordBuffer records;
    try {
        records.resize(std::size_t(count) * recordSize + digits::kWideStoreSlack);
    } catch (const std::bad_alloc&) {
        return false;
    }
    std::uint8_t* out = records.data();
    source([&](std::uint32_t value) {
        digits::StoreRecordWide(out, tag, digits::Pack(value, length));
        out += recordSize;
    });
    records.resize(std::size_t(count) * recordSize);
    m_records = std::move(records);
    SetShape(static_cast<std::uint32_t>(count), length);
    return true;
}

} // namespace vesk
