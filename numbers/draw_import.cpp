#include "numbers/draw_import.h"

#include <algorithm>
#include <limits>

namespace vesk {
namespace {

std::string NumberText(std::uint32_t code, int length)
{
    std::string text = std::to_string(code);
    if (text.size() < static_cast<std::size_t>(length))
        text.insert(0, static_cast<std::size_t>(length) - text.size(), '0');
    return text;
}

} // namespace

std::size_t DrawImportReport::Conflicts() const
{
    return static_cast<std::size_t>(
        std::count_if(refused.begin(), refused.end(), [](const RefusedDrawLine& line) { return line.conflict; }));
}

std::string DrawImportReport::Summary() const
{
    std::string text = "新增 " + std::to_string(added) + " 期，跳过 " + std::to_string(skipped) + " 期，拒绝 "
        + std::to_string(refused.size()) + " 行";
    if (const std::size_t conflicts = Conflicts(); conflicts > 0)
        text += "（其中冲突 " + std::to_string(conflicts) + " 行）";
    return text;
}

DrawMerge::DrawMerge(const DrawHistory& history) : m_length(history.Length()), m_keying(Keying::Open)
{
    for (const Draw& draw : history.Draws()) {
        if (draw.period) {
            const auto [at, added] = m_byPeriod.try_emplace(*draw.period, draw.code);
            if (!added && at->second != draw.code && !m_clash)
                m_clash = draw.period;
        } else
            m_unkeyed.push_back(draw);
    }
    if (!m_byPeriod.empty())
        m_keying = Keying::ByPeriod;
    else if (!m_unkeyed.empty())
        m_keying = Keying::Plain;
}

void DrawMerge::AddText(const std::string& source, std::span<const std::uint8_t> text)
{
    // UTF-16 text (a spreadsheet's "Unicode text") puts a zero byte beside every
    // digit, which would read as single digits and give wrong periods.
    if (std::find(text.begin(), text.end(), std::uint8_t{0}) != text.end())
        return RefuseSource(source, "不是 UTF-8 或 GB18030 文本（含零字节，可能是 UTF-16）");
    bool seenDraw = false;
    ForEachDrawLine(text, m_length, [&](std::size_t number, const DrawLine& line) {
        switch (line.kind) {
        case DrawLineKind::Blank:
            return;
        case DrawLineKind::NoDigits:
            // Column titles stand before the draws; text among them is no draw.
            if (seenDraw)
                Refuse(source, number, DescribeDrawLineFault(DrawLineFault::NoNumber, m_length));
            return;
        case DrawLineKind::Refused:
            seenDraw = true;
            Refuse(source, number, DescribeDrawLineFault(line.fault, m_length));
            return;
        case DrawLineKind::Draw:
            seenDraw = true;
            Merge(source, number, line.draw);
            return;
        }
    });
}

void DrawMerge::AddLine(const std::string& source, std::string_view line)
{
    AddText(source, {reinterpret_cast<const std::uint8_t*>(line.data()), line.size()});
}

void DrawMerge::RefuseSource(const std::string& source, std::string reason) { Refuse(source, 0, std::move(reason)); }

void DrawMerge::Merge(const std::string& source, std::size_t lineNumber, const Draw& draw)
{
    if (m_keying == Keying::Open)
        m_keying = draw.period ? Keying::ByPeriod : Keying::Plain;
    if (m_keying == Keying::Plain) {
        if (draw.period)
            return Refuse(source, lineNumber, "已有的开奖号码没有期号，不能按期号合并");
        m_unkeyed.push_back(draw);
        ++m_report.added;
        return;
    }
    if (!draw.period)
        return Refuse(source, lineNumber, "没有期号");
    const auto [at, added] = m_byPeriod.try_emplace(*draw.period, draw.code);
    if (added) {
        ++m_report.added;
    } else if (at->second == draw.code) {
        ++m_report.skipped;
    } else {
        Refuse(source, lineNumber,
               "第 " + std::to_string(*draw.period) + " 期已有号码 " + NumberText(at->second, m_length) + "，与 "
                   + NumberText(draw.code, m_length) + " 不同",
               true);
    }
}

void DrawMerge::Refuse(const std::string& source, std::size_t lineNumber, std::string reason, bool conflict)
{
    m_report.refused.push_back({source, lineNumber, std::move(reason), conflict});
}

DrawHistory DrawMerge::Result() const
{
    std::vector<Draw> draws = m_unkeyed;
    draws.reserve(m_unkeyed.size() + m_byPeriod.size());
    for (const auto& [period, code] : m_byPeriod)
        draws.push_back({period, code});
    return DrawHistory(std::move(draws), m_length);
}

std::string FormatDrawHistory(const DrawHistory& history)
{
    std::string text;
    text.reserve(history.Size() * (static_cast<std::size_t>(history.Length()) + 9));
    for (const Draw& draw : history.Draws()) {
        if (draw.period)
            text += std::to_string(*draw.period) + ' ';
        text += NumberText(draw.code, history.Length());
        text += '\n';
    }
    return text;
}

std::optional<std::uint64_t> LatestPeriod(const DrawHistory& history)
{
    std::optional<std::uint64_t> latest;
    for (const Draw& draw : history.Draws())
        if (draw.period && (!latest || *draw.period > *latest))
            latest = draw.period;
    return latest;
}

std::optional<std::uint64_t> NextPeriod(const DrawHistory& history)
{
    const std::optional<std::uint64_t> latest = LatestPeriod(history);
    if (!latest || *latest == std::numeric_limits<std::uint64_t>::max())
        return std::nullopt;
    return *latest + 1;
}

} // namespace vesk
