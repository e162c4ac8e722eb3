#include "numbers/presence.h"

#include "numbers/digit_packing.h"
#include "numbers/number_scanner.h"

namespace vesk {

bool ParsePresence(std::string_view text, C3DUIntArray& presence)
{
    if (!presence.SetSize(0) || !presence.SetSize(kPresenceSize))
        return false;
    ScanValues(text, 3, [&](std::span<const std::uint32_t> codes) {
        for (const std::uint32_t code : codes)
            presence[code] = 1;
    });
    return true;
}

std::string FormatPresence(const C3DUIntArray& presence, std::uint32_t perLine)
{
    std::string text;
    std::uint32_t k = 0;
    const std::size_t size = std::min(presence.GetSize(), kPresenceSize);
    for (std::uint32_t code = 0; code < size; ++code) {
        if (presence[code] == 0)
            continue;
        ++k;
        const std::uint64_t packed = digits::Pack(code, 3) + 0x303030u;
        text.append(reinterpret_cast<const char*>(&packed), 3);
        text += (perLine != 0 && k % perLine == 0) ? "\r\n" : " ";
    }
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    text.erase(last == std::string::npos ? 0 : last + 1);
    return text;
}

} // namespace vesk
