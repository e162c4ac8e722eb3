// NumberList::CountReport: how often each number occurs, grouped by count.
#include "numbers/number_list.h"

#include "numbers/digit_packing.h"
#include "numbers/sort_keys.h"

#include <string>
#include <vector>

namespace vesk {

namespace {

void TrimTrailingBlanks(std::string& text)
{
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    text.erase(last == std::string::npos ? 0 : last + 1);
}

void AppendHeader(std::string& report, std::uint32_t occurrences, std::uint32_t numbers)
{
    report += "出现";
    report += std::to_string(occurrences);
    report += "次的号码（";
    report += std::to_string(numbers);
    report += "注）：\r\n";
}

} // namespace

std::string NumberList::CountReport(std::uint32_t perLine)
{
    if (m_count == 0)
        return {};
    // Sorted records, runs of equal digits counted, then sorted again by
    // (count, number): done on sort keys, and the list keeps the result with
    // each number's count in its tag.
    SortKeyVector keys;
    if (!ExtractKeys(keys))
        return {};
    SortKeys(keys);
    std::size_t runs = 0;
    for (std::size_t i = 0; i < keys.size();) {
        const std::uint32_t value = static_cast<std::uint32_t>(keys[i]);
        std::size_t end = i + 1;
        while (end < keys.size() && static_cast<std::uint32_t>(keys[end]) == value)
            ++end;
        keys[runs++] = (std::uint64_t(end - i) << 32) | value;
        i = end;
    }
    keys.resize(runs);
    SortKeys(keys);
    StoreKeys(keys);

    std::string report;
    report.reserve(keys.size() * (std::size_t(m_length) + 2) + 64);
    for (std::size_t groupStart = 0; groupStart < keys.size();) {
        const std::uint32_t occurrences = static_cast<std::uint32_t>(keys[groupStart] >> 32);
        std::size_t groupEnd = groupStart;
        while (groupEnd < keys.size() && static_cast<std::uint32_t>(keys[groupEnd] >> 32) == occurrences)
            ++groupEnd;
        AppendHeader(report, occurrences, static_cast<std::uint32_t>(groupEnd - groupStart));
        for (std::size_t i = groupStart; i < groupEnd; ++i) {
            const std::uint64_t characters
                = digits::Pack(static_cast<std::uint32_t>(keys[i]), m_length) + 0x3030303030303030ull;
            report.append(reinterpret_cast<const char*>(&characters), m_length);
            const std::size_t k = i - groupStart + 1;
            report += (perLine != 0 && k % perLine == 0) ? "\r\n" : " ";
        }
        TrimTrailingBlanks(report);
        report += "\r\n";
        groupStart = groupEnd;
    }
    return report;
}

} // namespace vesk
