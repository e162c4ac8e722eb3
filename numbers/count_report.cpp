// NumberList::CountReport: how often each number occurs, grouped by count.
#include "numbers/number_list.h"

#include <cstring>
#include <string>

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
    Sort(true);
    // One pass over sorted runs: the first record of a run counts it, the
    // others are marked and dropped.
    std::uint32_t runStart = 0;
    SetTag(0, 1);
    for (std::uint32_t i = 1; i < m_count; ++i) {
        if (std::memcmp(GetAt(i), GetAt(i - 1), m_length) == 0) {
            Mark(i);
            SetTag(runStart, TagAt(runStart) + 1);
        } else {
            runStart = i;
            SetTag(i, 1);
        }
    }
    Compact();
    Sort(true); // by occurrence count, then by number

    std::string report;
    report.reserve(std::size_t(m_count) * (std::size_t(m_length) + 2) + 64);
    std::uint32_t groupStart = 0;
    while (groupStart < m_count) {
        const std::uint32_t occurrences = TagAt(groupStart);
        std::uint32_t groupEnd = groupStart;
        while (groupEnd < m_count && TagAt(groupEnd) == occurrences)
            ++groupEnd;
        AppendHeader(report, occurrences, groupEnd - groupStart);
        for (std::uint32_t i = groupStart; i < groupEnd; ++i) {
            report += ToText(i);
            const std::uint32_t k = i - groupStart + 1;
            report += (perLine != 0 && k % perLine == 0) ? "\r\n" : " ";
        }
        TrimTrailingBlanks(report);
        report += "\r\n";
        groupStart = groupEnd;
    }
    return report;
}

} // namespace vesk
