#pragma once
// NumberList: every list of lottery numbers the module handles. A compact
// array of fixed-size records, each a 4-byte little-endian tag followed by
// one byte per digit value (0..9), most significant digit first.
//
// The tag carries what an operation needs: kLiveTag for a stored number,
// kRemovalTag for a record that Compact drops, any other value as working
// data (the count report keeps occurrence counts there).
//
// The number length comes from the game service (slot 11, argument 1) when
// an operation is given length 0; tools without a host fix it instead.
// Invariant: every stored digit is 0..9, so a number's value is always below
// 10^length. Failures are return values; nothing throws.

#include "numbers/list_snapshot.h"
#include "numbers/read_status.h"
#include "numbers/record_allocator.h"
#include "numbers/sort_keys.h"

#include <array>
#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

class IGameService;
class ValueBitmap;

class NumberList {
public:
    static constexpr std::uint32_t kLiveTag = 0xFFFF0000u;
    static constexpr std::uint32_t kRemovalTag = 0xFFFFFFFFu;
    static constexpr std::uint8_t kTagSize = 4;
    static constexpr std::size_t kTextBufferSize = 128;

    // Bound to the host's game service (borrowed, outlives the list; null
    // stands for a 3-digit game).
    explicit NumberList(IGameService* game);
    // Without a host: the game length is fixed.
    explicit NumberList(int gameLength = 3);

    // Digits per number of the game: what length 0 stands for.
    int GameLength() const;

    std::uint32_t Count() const { return m_count; }
    bool IsEmpty() const { return m_count == 0; }
    int Length() const { return m_length; }
    int RecordSize() const { return m_recordSize; }
    int TagSize() const { return m_tagSize; }
    // The records, Count() × RecordSize() bytes.
    const std::uint8_t* Records() const { return m_records.data(); }

    // Replaces the content by count zero-digit live records of length
    // (0 = game length). False when the length is outside 1..8 or the memory
    // cannot be had; the list is then empty.
    bool Resize(std::uint32_t count, int length = 0);
    // Empty list, length 0, text buffer zeroed.
    void Clear();

    // Stores Length() digit values with a live tag. False (nothing stored)
    // when index is past the end or a digit is above 9.
    bool SetAt(std::uint32_t index, const std::uint8_t* digits);
    // Adds one record at the end, amortised O(1). An empty list first takes
    // its current length, or the game length when it has none.
    bool Append(const std::uint8_t* digits);
    // The record's digits, or null when index >= Count().
    const std::uint8_t* GetAt(std::uint32_t index, std::uint32_t* tag = nullptr) const;
    std::uint32_t TagAt(std::uint32_t index) const;
    void SetTag(std::uint32_t index, std::uint32_t tag);
    void Mark(std::uint32_t index) { SetTag(index, kRemovalTag); }
    void SetAllTags(std::uint32_t tag);

    // Drops the records tagged kRemovalTag, keeping the order of the rest.
    // When removed is given and a record is marked, removed is replaced by
    // the marked records (tags kept). A list whose every record is marked is
    // cleared (length 0). False only when removed cannot be allocated; then
    // nothing changes.
    bool Compact(NumberList* removed = nullptr);
    // By tag as unsigned 32-bit, then digits; descending is the exact reverse.
    void Sort(bool ascending = true);
    // Sorted ascending, one record per distinct number; marked records go.
    void Dedupe();

    // The digit characters of the record, valid until the next call; empty
    // when index >= Count().
    std::string_view ToText(std::uint32_t index);
    // Decimal value of the record's digits (0 past the end).
    std::uint32_t ToValue(std::uint32_t index) const;

    // Exchanges the numbers (records, length, text buffer) with other; each
    // list stays bound to its own game service.
    void SwapContent(NumberList& other) noexcept;
    // Byte-for-byte copy of other. False (and empty) on allocation failure.
    bool CopyFrom(const NumberList& other);
    // Into an empty list: a copy of other with live tags (order and
    // duplicates kept). Otherwise the union, ascending and unique. False on
    // allocation failure or when both hold numbers of different lengths;
    // this list is then unchanged.
    bool Merge(const NumberList& other);

    // Fills snapshot with a new buffer (std::malloc) the caller releases with
    // ReleaseSnapshot. False when the buffer cannot be had (snapshot empty).
    bool ToSnapshot(ListSnapshot& snapshot) const;
    // Count 0 or a null buffer clears the list. A bad length or a digit above
    // 9 is refused: false, list empty. A list whose records take as many
    // bytes as the snapshot's numbers will is rebuilt in its own buffer and
    // allocates nothing.
    bool FromSnapshot(const ListSnapshot& snapshot);

    // Binary list form: uint32 count, uint8 length, count × length digits.
    bool Write(std::ostream& out) const;
    std::string ToBinary() const;
    // Reads the binary list form from the stream's position. See ReadStatus
    // for what is accepted; a refused input leaves the list empty.
    ReadStatus Read(std::istream& in);
    ReadStatus ReadBinary(std::span<const std::uint8_t> bytes, std::size_t* consumed = nullptr);

    // Numbers in free text: every L consecutive digit characters (other
    // characters skipped, not ending a group) form one number; a final short
    // group is dropped. length 0 = game length. Returns the count, 0 when the
    // text holds no complete number, -1 when the length is refused or memory
    // runs out (the list is then empty). A text shorter than L bytes leaves
    // the list as it was; a longer one without numbers empties it.
    std::int64_t ParseText(std::string_view text, int length = 0, bool dedupe = false);

    // Occurrence report, numbers per line perLine (0 = no line breaks). The
    // list is left as its distinct numbers with their counts in the tags.
    std::string CountReport(std::uint32_t perLine);
    // Distinct group forms (digits ascending), ascending. False when memory
    // runs out; the list is then unchanged.
    bool ToGroupForm();
    // Every distinct ordering of the group forms (lengths 2 and 3; other
    // lengths give an empty list), ascending. False when memory runs out;
    // the list may then hold its group forms.
    bool ToSingleForm();

private:
    std::uint8_t* RecordAt(std::uint32_t index) { return m_records.data() + std::size_t(index) * m_recordSize; }
    const std::uint8_t* RecordAt(std::uint32_t index) const
    {
        return m_records.data() + std::size_t(index) * m_recordSize;
    }
    void SetShape(std::uint32_t count, int length);
    // Sort keys: tag in the high half, value in the low half, so key order is
    // record order. False when the keys cannot be allocated.
    bool ExtractKeys(SortKeyVector& keys) const;
    // Rewrites the first keys.size() records from keys and drops the rest.
    void StoreKeys(const SortKeyVector& keys);
    // Sort without extra memory, for when the keys cannot be allocated.
    void SortInPlace();
    bool HasUniformTag(std::uint32_t& tag) const;
    // visit(index, tag, packed digits) for every record in order, without a
    // call per record.
    template <typename Visit>
    void ForEachRecord(Visit&& visit) const;
    // Replaces the content by the members of values (ascending; the bitmap's
    // limit is 10^length) with one tag. False on allocation failure, list
    // unchanged.
    bool AssignMembers(const ValueBitmap& values, int length, std::uint32_t tag);

    IGameService* m_game = nullptr;
    int m_fixedGameLength = 3;
    RecordBuffer m_records;
    std::uint32_t m_count = 0;
    std::uint8_t m_length = 0;
    std::uint8_t m_recordSize = kTagSize;
    std::uint8_t m_tagSize = kTagSize;
    std::array<char, kTextBufferSize> m_text{};
};

} // namespace vesk
