// The recovery copy, read at the start after an unclean end, when the file
// may be cut short anywhere or hold anything. Lists already filled are
// replaced only by a copy that is accepted, as the workbench restores them;
// an accepted copy writes back byte for byte, so nothing of it was dropped
// or made up, and every shorter cut of it is refused.
#include "pages/history/recovery_copy.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>

namespace {

using vesk::NumberList;
using vesk::history::ReadRecovery;
using vesk::history::RecoveredWork;

struct Filled {
    NumberList result{3};
    NumberList recycle{3};
    std::string staging = "草稿 123 456";

    Filled()
    {
        result.ParseText("123 456 789 123", 3);
        recycle.ParseText("000 999", 3);
    }
    std::string Bytes() const { return vesk::history::RecoveryBytes(result, recycle, staging); }
};

std::span<const std::uint8_t> Span(const std::string& bytes)
{
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

void CheckDigits(const NumberList& list)
{
    if (list.Count() > 0 && (list.Length() < 1 || list.Length() > 8))
        std::abort();
    for (std::uint32_t i = 0; i < list.Count(); ++i) {
        const std::uint8_t* digits = list.GetAt(i);
        if (!std::all_of(digits, digits + list.Length(), [](std::uint8_t d) { return d <= 9; }))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    Filled filled;
    const std::string before = filled.Bytes();

    std::optional<RecoveredWork> read = ReadRecovery({data, size});
    if (!read) {
        if (filled.Bytes() != before)
            std::abort();
        return 0;
    }
    filled.result.SwapContent(read->result);
    filled.recycle.SwapContent(read->recycle);
    filled.staging = std::move(read->staging);
    CheckDigits(filled.result);
    CheckDigits(filled.recycle);
    if (filled.Bytes() != input)
        std::abort();
    // A copy cut short is refused whole, wherever the cut falls.
    const std::size_t step = std::max<std::size_t>(1, size / 64);
    for (std::size_t cut = 0; cut < size; cut += step)
        if (ReadRecovery(Span(input.substr(0, cut))))
            std::abort();
    if (ReadRecovery(Span(input.substr(0, size - 1))))
        std::abort();
    return 0;
}
