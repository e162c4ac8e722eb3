#include "application/group_codes.h"

#include <algorithm>
#include <array>

namespace vesk {

int GroupCode(int code)
{
    std::array<int, 3> d = {code / 100 % 10, code / 10 % 10, code % 10};
    std::sort(d.begin(), d.end());
    return d[0] * 100 + d[1] * 10 + d[2];
}

std::size_t ToGroupCodes(std::span<const std::uint32_t> codes, std::span<std::uint32_t> out)
{
    std::array<bool, 1000> present{};
    for (std::uint32_t code : codes) {
        if (code < 1000)
            present[static_cast<std::size_t>(GroupCode(static_cast<int>(code)))] = true;
    }
    std::size_t written = 0;
    for (std::size_t group = 0; group < present.size() && written < out.size(); ++group) {
        if (present[group])
            out[written++] = static_cast<std::uint32_t>(group);
    }
    return written;
}

} // namespace vesk
