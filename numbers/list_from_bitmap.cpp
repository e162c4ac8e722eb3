// NumberList::AssignMembers: a list rebuilt from a set of values.
#include "numbers/number_list.h"

#include "numbers/digit_packing.h"
#include "numbers/value_bitmap.h"

#include <array>
#include <limits>
#include <new>

namespace vesk {

namespace {

// Writes a record (tag, then length digits) for every member of values,
// ascending, from out on, and returns the end; 8 bytes past the last record
// are overwritten. Packing each value on its own costs two divisions;
// instead the members of one bitmap word share all but their last two digits
// with one of two neighbouring hundreds, and only those two come from a table.
std::uint8_t* WriteMemberRecords(const ValueBitmap& values, int length, std::uint32_t tag, std::uint8_t* out)
{
    const std::size_t recordSize = std::size_t(length) + NumberList::kTagSize;
    if (length < 3) {
        values.ForEach([&](std::uint32_t value) {
            digits::StoreRecordWide(out, tag, digits::Pack(value, length));
            out += recordSize;
        });
        return out;
    }
    // A word starts up to 99 past its hundred, and holds 64 values.
    std::array<std::uint64_t, 99 + 64> lastTwo{};
    for (std::uint32_t t = 0; t < lastTwo.size(); ++t)
        lastTwo[t] = digits::Pack(t % 100, 2) << (8 * (length - 2));
    const std::span<const std::uint64_t> words = values.Words();
    for (std::size_t w = 0; w < words.size(); ++w) {
        std::uint64_t word = words[w];
        if (word == 0)
            continue;
        const auto first = static_cast<std::uint32_t>(w * 64);
        const std::uint32_t offset = first % 100;
        const std::uint64_t head = digits::Pack(first / 100, length - 2);
        const std::uint64_t nextHead = digits::Pack(first / 100 + 1, length - 2);
        while (word != 0) {
            const std::uint32_t t = offset + static_cast<std::uint32_t>(std::countr_zero(word));
            digits::StoreRecordWide(out, tag, (t < 100 ? head : nextHead) | lastTwo[t]);
            out += recordSize;
            word &= word - 1;
        }
    }
    return out;
}

} // namespace

bool NumberList::AssignMembers(const ValueBitmap& values, int length, std::uint32_t tag)
{
    const std::uint64_t count = values.Count();
    if (count > std::numeric_limits<std::uint32_t>::max())
        return false;
    const std::size_t recordSize = std::size_t(length) + kTagSize;
    RecordBuffer records;
    try {
        records.resize(std::size_t(count) * recordSize + digits::kWideStoreSlack);
    } catch (const std::bad_alloc&) {
        return false;
    }
    WriteMemberRecords(values, length, tag, records.data());
    records.resize(std::size_t(count) * recordSize);
    m_records = std::move(records);
    SetShape(static_cast<std::uint32_t>(count), length);
    return true;
}

} // namespace vesk
