#include "pages/options/result_options.h"

#include <algorithm>
#include <cstring>

namespace vesk::options {

ResultOptions ReadResultOptions(IEnvironmentService& environment)
{
    ResultOptions options;
    // The host copies the whole stored record, so the buffer is sized for the
    // largest record it accepts under any id, not only for 7 bytes.
    std::array<std::uint8_t, 4096> buffer{};
    const SlotInt length = environment.ReadOption(kResultOptionsRecord, buffer.data());
    if (length > 0)
        std::memcpy(options.bytes.data(), buffer.data(), std::min<std::size_t>(std::size_t(length), kResultOptionsSize));
    return options;
}

bool WriteResultOptions(IEnvironmentService& environment, const ResultOptions& options)
{
    return environment.WriteOption(kResultOptionsRecord, kResultOptionsSize, options.bytes.data()) == 1;
}

std::string MatchTextError(const std::string& text)
{
    if (text.empty())
        return kMatchEmptyMessage;
    if (text[0] >= '0' && text[0] <= '9')
        return kMatchDigitMessage;
    return {};
}

} // namespace vesk::options
