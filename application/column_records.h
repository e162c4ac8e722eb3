#pragma once
// Column records as the host keeps them in option records 4204 (shown) and
// 4205 (hidden): 36 bytes each, an int32 attribute index (little-endian) and
// a NUL-terminated GBK title in 32 bytes. The raw title bytes travel with the
// item, so a record written back is byte for byte the one read, whatever its
// title holds; only a title filling all 32 bytes is written back shorter, by
// whole characters, to keep the terminator.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vesk {

inline constexpr std::size_t kColumnRecordBytes = 36;
inline constexpr std::size_t kColumnTitleBytes = 32;
inline constexpr std::size_t kMaxColumns = 11;

struct ColumnItem {
    std::int32_t attribute = 0;
    std::string gbkTitle; // as stored, without the terminator (at most 31 bytes)
    std::string title;    // UTF-8, for the screen

    bool operator==(const ColumnItem& other) const
    {
        return attribute == other.attribute && gbkTitle == other.gbkTitle;
    }
};

// Every whole record of bytes; a trailing partial record is ignored.
std::vector<ColumnItem> ParseColumnRecords(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> SerializeColumnRecords(const std::vector<ColumnItem>& items);

} // namespace vesk
