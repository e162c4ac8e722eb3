// The user's draw history file: any bytes parse without reading out of
// bounds, and every draw and omission stays in range, at the default length
// and at the longest.
#include "numbers/draw_history.h"

#include <cstdlib>

namespace {

void Check(const std::uint8_t* data, std::size_t size, int length, long long limit)
{
    const auto history = vesk::DrawHistory::Parse({data, size}, length);
    const int total = static_cast<int>(history.Size());
    for (std::uint32_t code : history.Codes())
        if (code >= limit)
            std::abort();
    for (long long code = 0; code < 1000; ++code) {
        const int omission = history.NumberOmission(code);
        if (omission < 0 || omission > total)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Check(data, size, 3, 1000);
    Check(data, size, 8, 100000000);
    return 0;
}
