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

namespace {

// One byte stays for the terminator the readers look for, so a longer title
// loses its end; where the cut would split a double-byte character, the
// whole character goes, so the title never ends in half of one.
std::size_t WrittenTitleLength(const std::string& gbk)
{
    constexpr std::size_t kMost = kColumnTitleBytes - 1;
    if (gbk.size() <= kMost)
        return gbk.size();
    const std::string whole = GbkToUtf8(gbk);
    const std::string cut = GbkToUtf8(std::string_view(gbk).substr(0, kMost));
    return whole.compare(0, cut.size(), cut) == 0 ? kMost : kMost - 1;
}

} // namespace

std::vector<std::uint8_t> SerializeColumnRecords(const std::vector<ColumnItem>& items)
{
    std::vector<std::uint8_t> bytes(items.size() * kColumnRecordBytes, 0);
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::uint8_t* record = bytes.data() + i * kColumnRecordBytes;
        const auto value = static_cast<std::uint32_t>(items[i].attribute);
        for (int b = 0; b < 4; ++b)
            record[b] = static_cast<std::uint8_t>(value >> (8 * b));
        const std::size_t length = WrittenTitleLength(items[i].gbkTitle);
        std::memcpy(record + 4, items[i].gbkTitle.data(), length);
    }
    return bytes;
}

} // namespace vesk
