#include "storage/files/number_text_file.h"

namespace vesk::files {

std::string FormatNumberText(const NumberList& list, std::uint32_t perLine)
{
    const std::uint32_t count = list.Count();
    const auto length = static_cast<std::size_t>(list.Length());
    std::string text;
    text.reserve(std::size_t(count) * (length + 2));
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t* digits = list.GetAt(i);
        for (std::size_t d = 0; d < length; ++d)
            text += static_cast<char>('0' + digits[d]);
        if (perLine != 0 && (i + 1) % perLine == 0)
            text += "\r\n";
        else if (i + 1 < count)
            text += ' ';
    }
    return text;
}

} // namespace vesk::files
