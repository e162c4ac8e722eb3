#pragma once
// Rebuilding a NumberList from ascending values: shared by the operations
// that work on value sets (dedupe, the conversions, parsing with dedupe).
// Only the list's own translation units include this.

#include "numbers/digit_packing.h"
#include "numbers/number_list.h"

#include <cstring>
#include <limits>
#include <new>
#include <vector>

namespace vesk {

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
