// Snapshots of a NumberList: the digits without tags, in list order.
#include "numbers/list_snapshot.h"

#include "numbers/number_length.h"
#include "numbers/number_list.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

namespace vesk {

void ReleaseSnapshot(ListSnapshot& snapshot)
{
    std::free(snapshot.digits);
    snapshot = ListSnapshot{};
}

bool NumberList::ToSnapshot(ListSnapshot& snapshot) const
{
    snapshot = ListSnapshot{};
    snapshot.marker = kSnapshotMarker;
    snapshot.length = m_length;
    if (m_count == 0)
        return true;
    const std::size_t bytes = std::size_t(m_count) * m_length;
    auto* buffer = static_cast<std::uint8_t*>(std::malloc(bytes));
    if (buffer == nullptr)
        return false;
    std::uint8_t* out = buffer;
    for (std::uint32_t i = 0; i < m_count; ++i, out += m_length)
        std::memcpy(out, GetAt(i), m_length);
    snapshot.count = m_count;
    snapshot.digits = buffer;
    return true;
}

namespace {

// Checks every byte without stopping early, so the loop vectorises.
bool AllDigitValues(const std::uint8_t* digits, std::size_t count)
{
    std::uint8_t largest = 0;
    for (std::size_t i = 0; i < count; ++i)
        largest = std::max(largest, digits[i]);
    return largest <= 9;
}

// One live record per number; a fixed length lets the copies inline.
template <std::size_t Length>
void FillRecords(std::uint8_t* out, const std::uint8_t* in, std::uint32_t count)
{
    constexpr std::size_t kRecordSize = NumberList::kTagSize + Length;
    const std::uint32_t tag = NumberList::kLiveTag;
    for (std::uint32_t i = 0; i < count; ++i, out += kRecordSize, in += Length) {
        std::memcpy(out, &tag, sizeof tag);
        std::memcpy(out + NumberList::kTagSize, in, Length);
    }
}

template <std::size_t... Lengths>
void FillRecordsOfLength(std::size_t length, std::uint8_t* out, const std::uint8_t* in, std::uint32_t count,
                         std::index_sequence<Lengths...>)
{
    ((length == Lengths + 1 ? FillRecords<Lengths + 1>(out, in, count) : void()), ...);
}

} // namespace

bool NumberList::FromSnapshot(const ListSnapshot& snapshot)
{
    if (snapshot.count == 0 || snapshot.digits == nullptr) {
        Clear();
        return true;
    }
    const std::size_t length = snapshot.length;
    if (!IsValidNumberLength(snapshot.length) || !AllDigitValues(snapshot.digits, snapshot.count * length)) {
        Clear();
        return false;
    }
    // Every byte is written below: a buffer of the right size is kept, any
    // other is replaced by one that is not zero-filled first.
    const std::size_t bytes = std::size_t(snapshot.count) * (length + kTagSize);
    if (m_records.size() != bytes) {
        try {
            RecordBuffer fresh;
            fresh.resize(bytes);
            m_records.swap(fresh);
        } catch (const std::bad_alloc&) {
            Clear();
            return false;
        }
    }
    SetShape(snapshot.count, static_cast<int>(length));
    FillRecordsOfLength(length, m_records.data(), snapshot.digits, snapshot.count,
                        std::make_index_sequence<kMaxNumberLength>{});
    return true;
}

} // namespace vesk
