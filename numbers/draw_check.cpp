#include "numbers/draw_check.h"

#include "numbers/draw_records.h"
#include "numbers/number_length.h"

#include <algorithm>
#include <map>

namespace vesk {
namespace {

// Periods of the form YYYYNNN run from 1 within a year.
constexpr std::uint64_t kYearPeriodsFrom = 1900000;
constexpr std::uint64_t kYearPeriodsTo = 3000000;

struct Seen {
    std::size_t line = 0;
    std::uint32_t code = 0;
};

// Whether the line reads as a draw of another length than the game's.
bool IsOtherLength(std::string_view line, int length)
{
    for (int other = 1; other <= kMaxNumberLength; ++other)
        if (other != length && ReadDrawLine(line, other).kind == DrawLineKind::Draw)
            return true;
    return false;
}

// The period a refused line most likely names: its first run of digits when
// another run follows it.
std::optional<std::uint64_t> LikelyPeriod(std::string_view line)
{
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const auto start = std::find_if(line.begin(), line.end(), isDigit);
    if (start == line.end())
        return std::nullopt;
    const auto end = std::find_if_not(start, line.end(), isDigit);
    if (std::find_if(end, line.end(), isDigit) == line.end())
        return std::nullopt;
    return PeriodValue(std::string_view(&*start, static_cast<std::size_t>(end - start)));
}

void AddGaps(const std::map<std::uint64_t, Seen>& firstSeen, std::vector<DrawFinding>& findings)
{
    const std::pair<const std::uint64_t, Seen>* below = nullptr;
    for (const auto& entry : firstSeen) {
        const std::uint64_t period = entry.first;
        const bool yearRun = period >= kYearPeriodsFrom && period < kYearPeriodsTo;
        if (below && yearRun && below->first / 1000 == period / 1000) {
            for (std::uint64_t missing = below->first + 1; missing < period; ++missing) {
                // Placed at the later of the two lines, where the gap can first be seen.
                const bool belowFirst = below->second.line <= entry.second.line;
                DrawFinding gap;
                gap.kind = DrawFindingKind::Gap;
                gap.period = missing;
                gap.line = belowFirst ? entry.second.line : below->second.line;
                gap.nextPeriod = belowFirst ? period : below->first;
                gap.otherLine = belowFirst ? below->second.line : entry.second.line;
                gap.otherPeriod = belowFirst ? below->first : period;
                findings.push_back(gap);
            }
        }
        below = yearRun ? &entry : nullptr;
    }
}

} // namespace

std::vector<DrawFinding> CheckDrawHistory(std::span<const std::uint8_t> text, int length)
{
    std::vector<DrawFinding> findings;
    std::map<std::uint64_t, Seen> firstSeen;
    std::optional<std::pair<std::uint64_t, std::size_t>> previousPeriod;
    std::optional<std::pair<DrawDate, std::size_t>> previousDate;
    bool seenDraw = false;

    ForEachDrawRecord(text, length, [&](std::size_t number, std::string_view line, const DrawLine& read) {
        DrawFinding finding;
        finding.line = number;
        switch (read.kind) {
        case DrawLineKind::Blank:
            return;
        case DrawLineKind::NoDigits:
            if (!seenDraw)
                return;
            finding.kind = DrawFindingKind::Refused;
            finding.text = DescribeDrawLineFault(DrawLineFault::NoNumber, length);
            findings.push_back(finding);
            return;
        case DrawLineKind::Refused:
            seenDraw = true;
            finding.period = LikelyPeriod(line);
            if (read.fault != DrawLineFault::PeriodTooLong && IsOtherLength(line, length)) {
                finding.kind = DrawFindingKind::Length;
                finding.text = std::string(line);
            } else {
                finding.kind = DrawFindingKind::Refused;
                finding.text = DescribeDrawLineFault(read.fault, length);
            }
            findings.push_back(finding);
            return;
        case DrawLineKind::Draw:
            break;
        }
        seenDraw = true;
        const Draw& draw = read.draw;
        finding.period = draw.period;
        finding.code = draw.code;
        if (draw.period) {
            const auto [at, added] = firstSeen.try_emplace(*draw.period, Seen{number, draw.code});
            if (!added) {
                finding.kind = at->second.code == draw.code ? DrawFindingKind::Duplicate : DrawFindingKind::Conflict;
                finding.otherLine = at->second.line;
                finding.otherPeriod = draw.period;
                finding.otherCode = at->second.code;
                findings.push_back(finding);
            } else if (previousPeriod && *draw.period < previousPeriod->first) {
                finding.kind = DrawFindingKind::Order;
                finding.otherPeriod = previousPeriod->first;
                finding.otherLine = previousPeriod->second;
                findings.push_back(finding);
            }
            previousPeriod = {*draw.period, number};
        }
        if (draw.date) {
            if (previousDate && *draw.date < previousDate->first) {
                DrawFinding late = finding;
                late.kind = DrawFindingKind::DateOrder;
                late.date = draw.date;
                late.otherDate = previousDate->first;
                late.otherLine = previousDate->second;
                late.otherPeriod.reset();
                findings.push_back(late);
            }
            previousDate = {*draw.date, number};
        }
    });

    AddGaps(firstSeen, findings);
    std::stable_sort(findings.begin(), findings.end(),
                     [](const DrawFinding& a, const DrawFinding& b) { return a.line < b.line; });
    return findings;
}

std::string_view DrawFindingName(DrawFindingKind kind)
{
    switch (kind) {
    case DrawFindingKind::Gap:
        return "gap";
    case DrawFindingKind::Duplicate:
        return "duplicate";
    case DrawFindingKind::Conflict:
        return "conflict";
    case DrawFindingKind::Order:
        return "order";
    case DrawFindingKind::DateOrder:
        return "date-order";
    case DrawFindingKind::Length:
        return "length";
    case DrawFindingKind::Refused:
        return "refused";
    }
    return {};
}

} // namespace vesk
