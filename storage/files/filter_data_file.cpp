#include "storage/files/filter_data_file.h"

#include "numbers/digit_packing.h"

#include <cstring>

namespace vesk::files {

namespace {

constexpr std::size_t kTagSize = 4;

ReadStatus ReadOldVersion(std::span<const std::uint8_t> bytes, NumberList& list)
{
    const std::size_t count = (bytes.size() - kTagSize) / 4;
    const std::uint8_t* codes = bytes.data() + kTagSize;
    // Always three digits: the codes are 3-digit number codes.
    if (!list.Resize(static_cast<std::uint32_t>(count), 3))
        return ReadStatus::OutOfMemory;
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t code = 0;
        std::memcpy(&code, codes + i * 4, sizeof code);
        if (code > 999)
            return ReadStatus::BadDigit;
        std::uint8_t digit[8] = {};
        digits::Store(digit, digits::Pack(code, 3), 3);
        list.SetAt(static_cast<std::uint32_t>(i), digit);
    }
    return ReadStatus::Complete;
}

} // namespace

FilterDataResult ReadFilterData(std::span<const std::uint8_t> bytes, NumberList& list)
{
    FilterDataResult result;
    NumberList loaded(list.GameLength());
    std::uint32_t tag = 0;
    if (bytes.size() >= kTagSize)
        std::memcpy(&tag, bytes.data(), sizeof tag);
    if (bytes.empty()) {
        result.status = ReadStatus::MissingHeader;
        result.error = "the file is empty";
        return result;
    }
    if (bytes.size() >= kTagSize && tag == kOldFilterDataTag) {
        result.oldVersion = true;
        result.status = ReadOldVersion(bytes, loaded);
        if (result.status == ReadStatus::BadDigit)
            result.error = "a number code is above 999";
    } else {
        result.status = loaded.ReadBinary(bytes);
    }
    if (!IsLoaded(result.status)) {
        if (result.error.empty())
            result.error = std::string(Describe(result.status));
        return result;
    }
    list.SwapContent(loaded);
    return result;
}

} // namespace vesk::files
