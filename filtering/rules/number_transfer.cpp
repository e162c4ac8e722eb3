#include "filtering/rules/number_transfer.h"

#include "host/module_messages.h"
#include "numbers/number_list.h"
#include "numbers/uint_array.h"

#include <array>

namespace vesk::workbench {

namespace {

// Builds aside, so a refused source leaves the result list as it was.
template <typename DigitsOf>
TransferResult Fill(std::uint32_t count, int length, NumberList& list, DigitsOf digitsOf)
{
    NumberList read(length);
    if (!read.Resize(count, length))
        return TransferResult::Refused;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t* digits = digitsOf(i);
        if (!digits || !read.SetAt(i, digits))
            return TransferResult::Refused;
    }
    list.SwapContent(read);
    return TransferResult::Replaced;
}

TransferResult FromPointerList(const NumberPointerListRecord& source, int length, NumberList& list)
{
    const PointerArrayRecord& numbers = source.numbers;
    if (numbers.size <= 0)
        return TransferResult::Empty;
    if (!numbers.data)
        return TransferResult::Refused;
    return Fill(static_cast<std::uint32_t>(numbers.size), length, list,
                [&](std::uint32_t i) { return static_cast<const std::uint8_t*>(numbers.data[i]); });
}

TransferResult FromPackedDigits(const PackedDigitsRecord& source, int length, NumberList& list)
{
    const std::int32_t count = source.size > 0 ? source.size / length : 0;
    if (count <= 0)
        return TransferResult::Empty;
    if (!source.data)
        return TransferResult::Refused;
    return Fill(static_cast<std::uint32_t>(count), length, list,
                [&](std::uint32_t i) { return source.data + std::size_t(i) * length; });
}

// A presence array names 3-digit codes; in a longer game each becomes a
// record of the game's length with the code in its last three places.
TransferResult FromPresence(const C3DUIntArray& presence, int length, NumberList& list)
{
    if (presence.GetSize() == 0)
        return TransferResult::Empty;
    std::array<std::uint32_t, 1000> codes{};
    std::uint32_t count = 0;
    for (std::size_t code = 0; code < presence.GetSize() && code < codes.size(); ++code) {
        if (presence[code] != 0)
            codes[count++] = static_cast<std::uint32_t>(code);
    }
    if (count == 0)
        return TransferResult::Empty;
    if (length < 3)
        return TransferResult::Refused; // a 3-digit code does not fit
    std::array<std::uint8_t, 8> digits{};
    std::uint8_t* last3 = digits.data() + length - 3;
    return Fill(count, length, list, [&](std::uint32_t i) {
        last3[0] = static_cast<std::uint8_t>(codes[i] / 100);
        last3[1] = static_cast<std::uint8_t>(codes[i] / 10 % 10);
        last3[2] = static_cast<std::uint8_t>(codes[i] % 10);
        return digits.data();
    });
}

} // namespace

TransferResult ReadTransferredNumbers(std::uintptr_t kind, const void* source, int gameLength, NumberList& list)
{
    if (kind >= 2 && kind <= 9)
        return TransferResult::NotRead;
    if (!source || gameLength < 1 || gameLength > 8)
        return TransferResult::Refused;
    switch (kind) {
    case kTransferPointerList:
        return FromPointerList(*static_cast<const NumberPointerListRecord*>(source), gameLength, list);
    case kTransferPackedDigits:
        return FromPackedDigits(*static_cast<const PackedDigitsRecord*>(source), gameLength, list);
    case kTransferPresence:
    case kTransferPresenceToo:
        return FromPresence(*static_cast<const C3DUIntArray*>(source), gameLength, list);
    default:
        return TransferResult::Refused;
    }
}

} // namespace vesk::workbench
