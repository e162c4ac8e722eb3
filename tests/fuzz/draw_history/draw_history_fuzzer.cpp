// The user's draw history file and import files: any bytes parse without
// reading out of bounds, every draw and omission stays in range at the
// default length and at the longest, and a merge keeps what it had, adds
// what it counts and comes out ordered by period.
#include "numbers/draw_import.h"

#include <algorithm>
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

void CheckMerge(const std::uint8_t* data, std::size_t size)
{
    const vesk::DrawHistory before({{2025001, 123}, {2025002, 456}}, 3);
    vesk::DrawMerge merge(before);
    merge.AddText("fuzz", {data, size});
    const vesk::DrawHistory after = merge.Result();
    const auto& draws = after.Draws();
    if (draws.size() != before.Size() + merge.Report().added)
        std::abort();
    if (!std::is_sorted(draws.begin(), draws.end(),
                        [](const vesk::Draw& a, const vesk::Draw& b) { return a.period < b.period; }))
        std::abort();
    for (const vesk::Draw& kept : before.Draws())
        if (std::find(draws.begin(), draws.end(), kept) == draws.end())
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Check(data, size, 3, 1000);
    Check(data, size, 8, 100000000);
    CheckMerge(data, size);
    return 0;
}
