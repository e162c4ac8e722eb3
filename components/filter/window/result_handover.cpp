#include "components/filter/window/result_handover.h"

#include "components/filter/engine/condition_checks.h"
#include "framework/cwnd.h"
#include "host/module_messages.h"
#include "numbers/list_snapshot.h"

#include <cstdlib>

namespace vesk::filter {

std::vector<std::string> TakeResults(HWND workbench, int length)
{
    std::vector<std::string> numbers;
    if (!workbench)
        return numbers;
    ListSnapshot snapshot;
    SendMessage(workbench, kMessageResultSnapshot, kSnapshotTake, reinterpret_cast<LPARAM>(&snapshot));
    if (snapshot.digits && snapshot.length == length) {
        for (std::uint32_t i = 0; i < snapshot.count; ++i) {
            std::string text;
            for (int d = 0; d < length; ++d)
                text += static_cast<char>('0' + snapshot.digits[std::size_t(i) * std::size_t(length) + std::size_t(d)] % 10);
            numbers.push_back(std::move(text));
        }
    }
    ReleaseSnapshot(snapshot);
    return numbers;
}

bool HandBackResults(HWND workbench, const std::vector<std::string>& numbers, int length)
{
    if (!workbench || numbers.empty())
        return false;
    ListSnapshot snapshot;
    snapshot.marker = kSnapshotMarker;
    snapshot.length = static_cast<std::uint8_t>(length);
    auto* digits = static_cast<std::uint8_t*>(std::malloc(numbers.size() * std::size_t(length)));
    if (!digits)
        return false;
    std::uint32_t count = 0;
    for (const std::string& number : numbers) {
        if (!IsNumberText(number, static_cast<std::size_t>(length)))
            continue;
        for (int d = 0; d < length; ++d)
            digits[std::size_t(count) * std::size_t(length) + std::size_t(d)] = static_cast<std::uint8_t>(number[std::size_t(d)] - '0');
        ++count;
    }
    snapshot.count = count;
    snapshot.digits = digits;
    if (count > 0)
        SendMessage(workbench, kMessageResultSnapshot, kSnapshotRestore, reinterpret_cast<LPARAM>(&snapshot));
    ReleaseSnapshot(snapshot);
    return count > 0;
}

} // namespace vesk::filter
