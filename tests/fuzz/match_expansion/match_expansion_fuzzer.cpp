// Match expansion of typed text: bounded output, all digits, whole numbers.
// First byte: the match character; second: the number length.
#include "numbers/match_expansion.h"
#include "numbers/number_list.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const char match = static_cast<char>(data[0]);
    const int length = data[1] % 10; // also lengths the expansion must refuse
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    const vesk::MatchExpansion expansion = vesk::ExpandMatch(text, match, length);
    if (!expansion.ok)
        return 0;
    if (expansion.numbers > vesk::kMaxExpandedNumbers
        || expansion.digits.size() != expansion.numbers * static_cast<std::uint64_t>(length))
        std::abort();
    for (char c : expansion.digits) {
        if (c < '0' || c > '9')
            std::abort();
    }
    vesk::NumberList list(3);
    if (list.ParseText(expansion.digits, length, false) != static_cast<std::int64_t>(expansion.numbers))
        std::abort();
    return 0;
}
