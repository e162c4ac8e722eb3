#include "application/column_records.h"

#include "numbers/gbk_text.h"

#include <algorithm>
#include <cstring>

namespace vesk {

std::vector<ColumnItem> ParseColumnRecords(std::span<const std::uint8_t> bytes)
{
    std::vector<ColumnItem> items;
    for (std::size_t at = 0; at + kColumnRecordBytes <= bytes.size(); at += kColumnRecordBytes) {
        const std::uint8_t* record = bytes.data() + at;
        ColumnItem item;
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value |= static_cast<std::uint32_t>(record[i]) << (8 * i);
        item.attribute = static_cast<std::int32_t>(value);
        const char* title = reinterpret_cast<const char*>(record + 4);
        // A title that fills all 32 bytes has no terminator; it ends there.
        item.gbkTitle.assign(title, ::strnlen(title, kColumnTitleBytes));
        item.title = GbkToUtf8(item.gbkTitle);
        items.push_back(std::move(item));
    }
    return items;
}

std::vector<std::uint8_t> SerializeColumnRecords(const std::vector<ColumnItem>& items)
{
    std::vector<std::uint8_t> bytes(items.size() * kColumnRecordBytes, 0);
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::uint8_t* record = bytes.data() + i * kColumnRecordBytes;
        const auto value = static_cast<std::uint32_t>(items[i].attribute);
        for (int b = 0; b < 4; ++b)
            record[b] = static_cast<std::uint8_t>(value >> (8 * b));
        // One byte stays for the terminator the readers look for.
        const std::size_t length = std::min(items[i].gbkTitle.size(), kColumnTitleBytes - 1);
        std::memcpy(record + 4, items[i].gbkTitle.data(), length);
    }
    return bytes;
}

} // namespace vesk
