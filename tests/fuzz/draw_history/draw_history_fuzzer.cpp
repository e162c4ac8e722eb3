// The user's draw history file and import files: any bytes parse without
// reading out of bounds, every draw and omission stays in range at the
// default length and at the longest, a merge keeps what it had, adds what it
// counts and comes out ordered by period, a written history reads back the
// same, and a check names only lines the text has.
#include "numbers/draw_check.h"
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
    // A kept draw may take a date from the text, never another number.
    for (const vesk::Draw& kept : before.Draws())
        if (std::find_if(draws.begin(), draws.end(), [&](const vesk::Draw& draw) {
                return draw.period == kept.period && draw.code == kept.code;
            }) == draws.end())
            std::abort();
    const std::string written = vesk::FormatDrawHistory(after);
    const auto reread = vesk::DrawHistory::Parse(
        {reinterpret_cast<const std::uint8_t*>(written.data()), written.size()}, 3);
    if (reread.Draws() != draws)
        std::abort();
}

void CheckFindings(const std::uint8_t* data, std::size_t size)
{
    const std::size_t lines = static_cast<std::size_t>(std::count(data, data + size, '\n')) + 1;
    for (const vesk::DrawFinding& finding : vesk::CheckDrawHistory({data, size}, 3))
        if (finding.line == 0 || finding.line > lines || finding.otherLine > finding.line)
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Check(data, size, 3, 1000);
    Check(data, size, 8, 100000000);
    CheckMerge(data, size);
    CheckFindings(data, size);
    return 0;
}
