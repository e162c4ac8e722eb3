// The user's draw history file: any bytes parse without reading out of
// bounds, and every draw and omission stays in range.
#include "app/services/draw_history.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto history = vesk::app::DrawHistory::Parse({data, size});
    const int total = static_cast<int>(history.Draws().size());
    for (std::uint16_t draw : history.Draws())
        if (draw > 999)
            std::abort();
    for (int code = 0; code < 1000; ++code) {
        const int omission = history.NumberOmission(code);
        if (omission < 0 || omission > total)
            std::abort();
    }
    return 0;
}
