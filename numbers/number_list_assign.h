#pragma once
// The whole-list walk of a NumberList, shared by the operations that work on
// values (sorting, dedupe, the conversions). Only the list's own translation
// units include this.

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

} // namespace vesk
