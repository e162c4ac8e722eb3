#include "numbers/text_encoding.h"

#include <cstdint>
#include <cstring>

namespace vesk {

namespace {

bool IsAscii(std::string_view text)
{
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t chunk = 0;
        std::memcpy(&chunk, text.data() + i, sizeof chunk);
        if ((chunk & 0x8080808080808080ull) != 0)
            return false;
    }
    for (; i < text.size(); ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0x80)
            return false;
    }
    return true;
}

bool InRange(unsigned char c, unsigned char low, unsigned char high) { return c >= low && c <= high; }

} // namespace

bool IsValidUtf8(std::string_view text)
{
    if (IsAscii(text))
        return true;
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t extra = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (InRange(c, 0xC2, 0xDF)) {
            extra = 1;
        } else if (InRange(c, 0xE0, 0xEF)) {
            extra = 2;
            low = c == 0xE0 ? 0xA0 : 0x80; // no overlong forms
            high = c == 0xED ? 0x9F : 0xBF; // no surrogates
        } else if (InRange(c, 0xF0, 0xF4)) {
            extra = 3;
            low = c == 0xF0 ? 0x90 : 0x80;
            high = c == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + extra >= n || !InRange(s[i + 1], low, high))
            return false;
        for (std::size_t k = 2; k <= extra; ++k) {
            if (!InRange(s[i + k], 0x80, 0xBF))
                return false;
        }
        i += extra + 1;
    }
    return true;
}

void PrepareNumberText(std::string& text)
{
    if (IsValidUtf8(text))
        return;
    auto* s = reinterpret_cast<unsigned char*>(text.data());
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = s[i];
        if (c < 0x80 || c == 0x80 || c == 0xFF) {
            ++i;
            continue;
        }
        // Lead byte 0x81..0xFE: two bytes, or four when a digit byte follows.
        if (i + 3 < n && InRange(s[i + 1], 0x30, 0x39) && InRange(s[i + 2], 0x81, 0xFE)
            && InRange(s[i + 3], 0x30, 0x39)) {
            std::memset(s + i, ' ', 4);
            i += 4;
        } else if (i + 1 < n && InRange(s[i + 1], 0x40, 0xFE) && s[i + 1] != 0x7F) {
            i += 2;
        } else {
            ++i; // not a character: the next byte is looked at on its own
        }
    }
}

} // namespace vesk
