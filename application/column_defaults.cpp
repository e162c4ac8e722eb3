#include "application/column_defaults.h"

#include "application/number_attributes.h"
#include "application/option_ids.h"
#include "numbers/gbk_text.h"

#include <array>

namespace vesk {

Bytes MakeColumnRecords(std::span<const int> attributeIndices)
{
    Bytes bytes;
    for (int index : attributeIndices) {
        std::array<std::uint8_t, kColumnRecordSize> record{};
        const auto value = static_cast<std::uint32_t>(index);
        for (int i = 0; i < 4; ++i)
            record[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
        const std::string title = Utf8ToGbk(AttributeTitle(index)).value_or(std::string{});
        // Our titles are short; the cap keeps the terminator whatever the text.
        const std::size_t length = std::min<std::size_t>(title.size(), kColumnRecordSize - 4 - 1);
        std::copy_n(title.begin(), length, record.begin() + 4);
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    return bytes;
}

std::span<const int> DefaultShownAttributes()
{
    static constexpr std::array kShown = {0, 1, 2, 3, 4, 5, 6, 7};
    return kShown;
}

Bytes DefaultShownColumns()
{
    return MakeColumnRecords(DefaultShownAttributes());
}

Bytes DefaultHiddenColumns()
{
    static constexpr std::array kHidden = {8, 9, 10};
    return MakeColumnRecords(kHidden);
}

} // namespace vesk
