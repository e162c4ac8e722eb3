#include "pages/result/list_lookup.h"

#include "numbers/number_list.h"

#include <cstring>

namespace vesk::result {

std::optional<std::uint32_t> FindNumber(const NumberList& list, const std::uint8_t* digits,
                                        std::optional<std::uint32_t> except)
{
    const auto length = static_cast<std::size_t>(list.Length());
    for (std::uint32_t i = 0; i < list.Count(); ++i) {
        if (i != except && std::memcmp(list.GetAt(i), digits, length) == 0)
            return i;
    }
    return std::nullopt;
}

} // namespace vesk::result
