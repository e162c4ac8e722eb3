// Sort, Dedupe and Merge of NumberList: whole-list orderings that work on
// sort keys or value bitmaps instead of comparing records pairwise.
#include "numbers/number_list.h"

#include "numbers/batched_inserter.h"
#include "numbers/digit_packing.h"
#include "numbers/number_list_assign.h"
#include "numbers/sort_keys.h"
#include "numbers/value_bitmap.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <cstdlib>

namespace vesk {

namespace {

std::uint64_t MakeKey(std::uint32_t tag, std::uint32_t value)
{
    return (std::uint64_t(tag) << 32) | value;
}

std::uint32_t KeyTag(std::uint64_t key) { return static_cast<std::uint32_t>(key >> 32); }
std::uint32_t KeyValue(std::uint64_t key) { return static_cast<std::uint32_t>(key); }

// A bitmap pays off when it is not much larger than the list it replaces.
bool BitmapIsWorthIt(std::uint32_t count, int length, int recordSize)
{
    return PowerOfTen(length) / 8 <= std::uint64_t(count) * std::uint64_t(recordSize) * 2;
}

} // namespace

bool NumberList::ExtractKeys(SortKeyVector& keys) const
{
    try {
        keys.resize(m_count);
    } catch (const std::bad_alloc&) {
        return false;
    }
    ForEachRecord([&](std::uint32_t i, std::uint32_t tag, std::uint64_t packed) {
        keys[i] = MakeKey(tag, digits::Value(packed, m_length));
    });
    return true;
}

void NumberList::StoreKeys(const SortKeyVector& keys)
{
    // A wide store spills into the records after it, which are written
    // later; near the end of the array each record is written exactly.
    const std::size_t total = m_records.size();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        std::uint8_t* record = RecordAt(static_cast<std::uint32_t>(i));
        const std::uint64_t packed = digits::Pack(KeyValue(keys[i]), m_length);
        if (std::size_t(record - m_records.data()) + m_tagSize + 8 <= total) {
            digits::StoreRecordWide(record, KeyTag(keys[i]), packed);
        } else {
            const std::uint32_t tag = KeyTag(keys[i]);
            std::memcpy(record, &tag, sizeof tag);
            digits::Store(record + m_tagSize, packed, m_length);
        }
    }
    m_count = static_cast<std::uint32_t>(keys.size());
    m_records.resize(std::size_t(m_count) * m_recordSize);
}

namespace {

// Records of one list share their size; qsort's comparator has no context
// argument, so the length sits in a per-thread variable for its duration.
thread_local int t_sortLength = 0;

int CompareRecords(const void* left, const void* right)
{
    const auto* a = static_cast<const std::uint8_t*>(left);
    const auto* b = static_cast<const std::uint8_t*>(right);
    std::uint32_t ta = 0;
    std::uint32_t tb = 0;
    std::memcpy(&ta, a, sizeof ta);
    std::memcpy(&tb, b, sizeof tb);
    if (ta != tb)
        return ta < tb ? -1 : 1;
    return std::memcmp(a + sizeof ta, b + sizeof tb, static_cast<std::size_t>(t_sortLength));
}

} // namespace

void NumberList::SortInPlace()
{
    t_sortLength = m_length;
    std::qsort(m_records.data(), m_count, m_recordSize, CompareRecords);
}

bool NumberList::HasUniformTag(std::uint32_t& tag) const
{
    if (m_count == 0)
        return false;
    tag = TagAt(0);
    for (std::uint32_t i = 1; i < m_count; ++i) {
        if (TagAt(i) != tag)
            return false;
    }
    return true;
}

void NumberList::Sort(bool ascending)
{
    if (m_count < 2)
        return;
    SortKeyVector keys;
    if (!ExtractKeys(keys)) {
        SortInPlace();
    } else {
        SortKeys(keys);
        StoreKeys(keys);
    }
    if (!ascending) {
        for (std::uint32_t i = 0, j = m_count - 1; i < j; ++i, --j)
            std::swap_ranges(RecordAt(i), RecordAt(i) + m_recordSize, RecordAt(j));
    }
}

void NumberList::Dedupe()
{
    if (m_count == 0)
        return;
    std::uint32_t tag = 0;
    if (HasUniformTag(tag) && tag != kRemovalTag && BitmapIsWorthIt(m_count, m_length, m_recordSize)) {
        try {
            ValueBitmap values(PowerOfTen(m_length));
            InsertAll(values, [&](auto insert) {
                ForEachRecord([&](std::uint32_t, std::uint32_t, std::uint64_t packed) {
                    insert(digits::Value(packed, m_length));
                });
            });
            if (AssignMembers(values, m_length, tag))
                return;
        } catch (const std::bad_alloc&) {
            // fall through to the sorting path
        }
    }
    SortKeyVector keys;
    if (!ExtractKeys(keys)) {
        // Sorted in place, then marked and compacted: the steps as such.
        SortInPlace();
        for (std::uint32_t i = m_count - 1; i > 0; --i) {
            if (std::memcmp(GetAt(i), GetAt(i - 1), m_length) == 0)
                Mark(i);
        }
        Compact();
        return;
    }
    SortKeys(keys);
    // A record goes when it was marked, or when its digits equal those of
    // the record before it in sorted order.
    std::size_t kept = 0;
    std::uint32_t previousValue = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::uint64_t key = keys[i];
        const bool duplicate = i > 0 && KeyValue(key) == previousValue;
        previousValue = KeyValue(key);
        if (!duplicate && KeyTag(key) != kRemovalTag)
            keys[kept++] = key;
    }
    if (kept == 0) {
        Clear();
        return;
    }
    keys.resize(kept);
    StoreKeys(keys);
}

bool NumberList::Merge(const NumberList& other)
{
    if (m_count == 0) {
        if (!CopyFrom(other))
            return false;
        SetAllTags(kLiveTag);
        return true;
    }
    if (&other != this && other.m_count != 0) {
        if (other.m_length != m_length)
            return false;
        try {
            m_records.insert(m_records.end(), other.m_records.begin(), other.m_records.end());
        } catch (const std::bad_alloc&) {
            m_records.resize(std::size_t(m_count) * m_recordSize);
            return false;
        }
        m_count += other.m_count;
    }
    SetAllTags(kLiveTag);
    Dedupe();
    return true;
}

} // namespace vesk
