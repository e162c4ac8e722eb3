#include "pages/history/recovery_copy.h"

#include <cstring>

namespace vesk::history {
namespace {

constexpr std::string_view kMagic = "3DVESK-RECOVERY 1\n";

} // namespace

std::string RecoveryBytes(const NumberList& result, const NumberList& recycle, std::string_view staging)
{
    std::string bytes(kMagic);
    bytes += result.ToBinary();
    bytes += recycle.ToBinary();
    std::uint64_t size = staging.size();
    for (int i = 0; i < 8; ++i, size >>= 8)
        bytes += static_cast<char>(size & 0xFF);
    bytes += staging;
    return bytes;
}

std::optional<RecoveredWork> ReadRecovery(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < kMagic.size() || std::memcmp(bytes.data(), kMagic.data(), kMagic.size()) != 0)
        return std::nullopt;
    bytes = bytes.subspan(kMagic.size());
    RecoveredWork work;
    for (NumberList* list : {&work.result, &work.recycle}) {
        std::size_t consumed = 0;
        if (list->ReadBinary(bytes, &consumed) != ReadStatus::Complete)
            return std::nullopt;
        bytes = bytes.subspan(consumed);
    }
    if (bytes.size() < 8)
        return std::nullopt;
    std::uint64_t size = 0;
    for (int i = 7; i >= 0; --i)
        size = (size << 8) | bytes[static_cast<std::size_t>(i)];
    bytes = bytes.subspan(8);
    if (size != bytes.size())
        return std::nullopt;
    work.staging.assign(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return work;
}

} // namespace vesk::history
