#include "filtering/rules/list_text.h"

#include "numbers/number_list.h"
#include "numbers/presence.h"

#include <algorithm>
#include <limits>

namespace vesk::workbench {

std::string DistinctCodesText(const NumberList& list, std::uint32_t perLine)
{
    C3DUIntArray presence;
    if (!presence.SetSize(kPresenceSize))
        return {};
    const int places = std::min(list.Length(), 3);
    for (std::uint32_t i = 0; i < list.Count(); ++i) {
        const std::uint8_t* digits = list.GetAt(i);
        std::uint32_t code = 0;
        for (int place = 0; place < 3; ++place)
            code = code * 10 + (place < places ? digits[place] % 10u : 0u);
        presence[code] = 1;
    }
    return FormatPresence(presence, perLine);
}

std::uint32_t LineBreakEvery(std::int64_t perLine)
{
    if (perLine <= 0 || perLine > std::numeric_limits<std::uint32_t>::max())
        return 0;
    return static_cast<std::uint32_t>(perLine);
}

} // namespace vesk::workbench
