// NumberList::ParseText: free text to numbers.
#include "numbers/number_list.h"

#include "numbers/digit_packing.h"
#include "numbers/number_list_assign.h"
#include "numbers/number_scanner.h"
#include "numbers/value_bitmap.h"

#include <limits>
#include <new>
#include <span>

namespace vesk {

namespace {

// Parsing straight into a bitmap pays off once the text could hold a fair
// share of the number space; below that the records are sorted instead.
bool DedupeThroughBitmap(std::size_t upperBound, int length)
{
    return PowerOfTen(length) / 16 <= upperBound;
}

} // namespace

std::int64_t NumberList::ParseText(std::string_view text, int length, bool dedupe)
{
    if (length == 0)
        length = GameLength();
    if (!IsValidNumberLength(length)) {
        Clear();
        return -1;
    }
    // Every number needs at least L bytes: an upper bound on the count.
    const std::size_t upperBound = text.size() / static_cast<std::size_t>(length);
    if (upperBound == 0)
        return 0;

    if (dedupe && DedupeThroughBitmap(upperBound, length)) {
        try {
            // Straight into the bitmap: it is small enough (1.25 MB at 7 digits)
            // that batching the inserts by band costs more than it saves.
            ValueBitmap values(PowerOfTen(length));
            std::uint64_t found = 0;
            ScanValues(text, length, [&](std::span<const std::uint32_t> batch) {
                for (const std::uint32_t value : batch)
                    values.Insert(value);
                found += batch.size();
            });
            if (found == 0) {
                Clear();
                return 0;
            }
            if (!AssignMembers(values, length, kLiveTag)) {
                Clear();
                return -1;
            }
            return m_count;
        } catch (const std::bad_alloc&) {
            Clear();
            return -1;
        }
    }

    const std::size_t recordSize = std::size_t(length) + kTagSize;
    RecordBuffer records;
    try {
        records.resize(upperBound * recordSize + digits::kWideStoreSlack);
    } catch (const std::bad_alloc&) {
        Clear();
        return -1;
    }
    std::uint8_t* out = records.data();
    ScanNumbers(text, length, [&](std::uint64_t packed) {
        digits::StoreRecordWide(out, kLiveTag, packed);
        out += recordSize;
    });
    const std::size_t found = static_cast<std::size_t>(out - records.data()) / recordSize;
    if (found == 0) {
        Clear();
        return 0;
    }
    if (found > std::numeric_limits<std::uint32_t>::max()) {
        Clear();
        return -1;
    }
    records.resize(found * recordSize);
    m_records = std::move(records);
    SetShape(static_cast<std::uint32_t>(found), length);
    if (dedupe)
        Dedupe();
    return m_count;
}

} // namespace vesk
