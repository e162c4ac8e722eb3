#include "tools/cli/number_output.h"

#include "numbers/digit_packing.h"

#include <cstring>

namespace vesk::cli {

std::string NumberLines(const NumberList& list)
{
    const auto length = static_cast<std::size_t>(list.Length());
    // One spare byte per line lets each number go out as one 8-byte store
    // plus its line end, without a loop over its digits.
    std::string text(std::size_t(list.Count()) * (length + 1) + sizeof(std::uint64_t), '\0');
    char* out = text.data();
    for (std::uint32_t i = 0; i < list.Count(); ++i) {
        const std::uint64_t characters = digits::Load(list.GetAt(i), static_cast<int>(length)) + 0x3030303030303030ull;
        std::memcpy(out, &characters, sizeof characters);
        out[length] = '\n';
        out += length + 1;
    }
    text.resize(static_cast<std::size_t>(out - text.data()));
    return text;
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
