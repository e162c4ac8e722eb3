#include "tools/cli/number_output.h"

#include "numbers/digit_packing.h"

#include <algorithm>
#include <cstring>
#include <ostream>

namespace vesk::cli {

void WriteNumberLines(const NumberList& list, std::ostream& out)
{
    const auto length = static_cast<std::size_t>(list.Length());
    constexpr std::uint32_t kSlice = 1 << 16;
    // One spare byte per line lets each number go out as one 8-byte store
    // plus its line end, without a loop over its digits.
    std::string text(std::size_t(kSlice) * (length + 1) + sizeof(std::uint64_t), '\0');
    for (std::uint32_t first = 0; first < list.Count(); first += kSlice) {
        const std::uint32_t last = first + std::min(kSlice, list.Count() - first);
        char* cursor = text.data();
        for (std::uint32_t i = first; i < last; ++i) {
            const std::uint64_t characters
                = digits::Load(list.GetAt(i), static_cast<int>(length)) + 0x3030303030303030ull;
            std::memcpy(cursor, &characters, sizeof characters);
            cursor[length] = '\n';
            cursor += length + 1;
        }
        out.write(text.data(), cursor - text.data());
    }
}

std::string WithUnixLineEnds(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        result += text[i];
    }
    return result;
}

} // namespace vesk::cli
