// Number text from anywhere: parsing must hold the list's invariants.
// First byte: number length (1..8) and dedupe; the rest is the text.
#include "numbers/number_length.h"
#include "numbers/number_list.h"
#include "numbers/presence.h"
#include "numbers/text_encoding.h"

#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int length = 1 + data[0] % 8;
    const bool dedupe = (data[0] & 0x80) != 0;
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    vesk::PrepareNumberText(text);

    vesk::NumberList list(3);
    const std::int64_t count = list.ParseText(text, length, dedupe);
    if (count < 0 || static_cast<std::uint64_t>(count) > text.size() / static_cast<std::size_t>(length))
        std::abort();
    if (count > 0 && (list.Count() != count || list.Length() != length))
        std::abort();
    for (std::uint32_t i = 0; i < list.Count(); ++i) {
        if (list.ToValue(i) >= vesk::PowerOfTen(length))
            std::abort();
        if (dedupe && i > 0 && list.ToValue(i) <= list.ToValue(i - 1))
            std::abort();
    }
    // The report and the conversions must cope with whatever was parsed.
    vesk::NumberList copy(3);
    copy.CopyFrom(list);
    copy.CountReport(1 + data[0] % 11);
    list.ToSingleForm();

    vesk::C3DUIntArray presence;
    vesk::ParsePresence(text, presence);
    vesk::FormatPresence(presence, data[0] % 5);
    return 0;
}
