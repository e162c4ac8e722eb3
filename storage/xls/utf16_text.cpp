#include "storage/xls/utf16_text.h"

#include <cstdint>

namespace vesk::xls {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// The code point of the sequence at text[i] and its byte count; 0 bytes when
// the sequence is malformed.
std::pair<char32_t, std::size_t> DecodeOne(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<std::uint8_t>(text[i]);
    if (lead < 0x80)
        return {lead, 1};
    std::size_t extra = 0;
    char32_t point = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, point = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, point = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, point = lead & 0x07, minimum = 0x10000;
    } else {
        return {0, 0};
    }
    if (text.size() - i <= extra)
        return {0, 0};
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto next = static_cast<std::uint8_t>(text[i + k]);
        if ((next & 0xC0) != 0x80)
            return {0, 0};
        point = (point << 6) | (next & 0x3F);
    }
    if (point < minimum || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return {0, 0};
    return {point, extra + 1};
}

} // namespace

std::u16string Utf8ToUtf16(std::string_view text)
{
    std::u16string units;
    units.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto [point, bytes] = DecodeOne(text, i);
        if (bytes == 0) {
            units.push_back(kReplacement);
            ++i;
            continue;
        }
        if (point >= 0x10000) {
            const char32_t v = point - 0x10000;
            units.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
            units.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
        } else {
            units.push_back(static_cast<char16_t>(point));
        }
        i += bytes;
    }
    return units;
}

} // namespace vesk::xls
