#include "components/grid/cell_format.h"

#include <charconv>
#include <cstdlib>
#include <cstring>

namespace vesk::grid {

NumberText FormatCellNumber(std::int32_t value, int padDigits)
{
    NumberText text{};
    char* out = text.chars;
    // Widened so that the magnitude of INT32_MIN fits.
    std::int64_t magnitude = value;
    if (magnitude < 0) {
        *out++ = '-';
        magnitude = -magnitude;
    }
    char digits[16];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, magnitude);
    const int count = static_cast<int>(end - digits);
    const int pad = padDigits > kMaxPadDigits ? kMaxPadDigits : padDigits;
    for (int i = count; i < pad; ++i)
        *out++ = '0';
    std::memcpy(out, digits, static_cast<std::size_t>(count));
    out += count;
    text.length = static_cast<std::uint8_t>(out - text.chars);
    return text;
}

} // namespace vesk::grid
