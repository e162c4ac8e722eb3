#include "numbers/draw_import.h"

#include <algorithm>
#include <limits>

namespace vesk {

std::size_t DrawImportReport::Conflicts() const
{
    return static_cast<std::size_t>(
        std::count_if(refused.begin(), refused.end(), [](const RefusedDrawLine& line) { return line.conflict; }));
}

std::string DrawImportReport::Summary() const
{
    std::string text = "新增 " + std::to_string(added) + " 期，跳过 " + std::to_string(skipped) + " 期，拒绝 "
        + std::to_string(refused.size()) + " 行";
    if (dated > 0) {
        const std::size_t at = text.find("，拒绝");
        text.insert(at, "，补上日期 " + std::to_string(dated) + " 期");
    }
    if (const std::size_t conflicts = Conflicts(); conflicts > 0)
        text += "（其中冲突 " + std::to_string(conflicts) + " 行）";
    return text;
}

DrawMerge::DrawMerge(const DrawHistory& history) : m_length(history.Length()), m_keying(Keying::Open)
{
    for (const Draw& draw : history.Draws()) {
        if (draw.period) {
            const auto [at, added] = m_byPeriod.try_emplace(*draw.period, Kept{draw.code, draw.date});
            const bool datesDiffer = at->second.date && draw.date && at->second.date != draw.date;
            if (!added && (at->second.code != draw.code || datesDiffer) && !m_clash)
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
    const auto [at, added] = m_byPeriod.try_emplace(*draw.period, Kept{draw.code, draw.date});
    Kept& kept = at->second;
    if (added) {
        ++m_report.added;
    } else if (kept.code != draw.code) {
        Refuse(source, lineNumber,
               "第 " + std::to_string(*draw.period) + " 期已有号码 " + DrawNumberText(kept.code, m_length) + "，与 "
                   + DrawNumberText(draw.code, m_length) + " 不同",
               true);
    } else if (kept.date && draw.date && kept.date != draw.date) {
        Refuse(source, lineNumber,
               "第 " + std::to_string(*draw.period) + " 期已有日期 " + FormatDrawDate(*kept.date) + "，与 "
                   + FormatDrawDate(*draw.date) + " 不同",
               true);
    } else if (!kept.date && draw.date) {
        kept.date = draw.date;
        ++m_report.dated;
    } else {
        ++m_report.skipped;
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
    for (const auto& [period, kept] : m_byPeriod)
        draws.push_back({period, kept.code, kept.date});
    return DrawHistory(std::move(draws), m_length);
}

std::string FormatDrawHistory(const DrawHistory& history)
{
    std::string text;
    text.reserve(history.Size() * (static_cast<std::size_t>(history.Length()) + 9));
    for (const Draw& draw : history.Draws()) {
        if (draw.period && draw.date)
            text += std::to_string(*draw.period) + ',' + FormatDrawDate(*draw.date) + ',';
        else if (draw.period)
            text += std::to_string(*draw.period) + ' ';
        else if (draw.date)
            text += FormatDrawDate(*draw.date) + ',';
        text += DrawNumberText(draw.code, history.Length());
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

std::optional<Draw> LatestDraw(const DrawHistory& history)
{
    const std::vector<Draw>& draws = history.Draws();
    if (draws.empty())
        return std::nullopt;
    const Draw* latest = &draws.back();
    for (const Draw& draw : draws)
        if (draw.period && (!latest->period || *draw.period >= *latest->period))
            latest = &draw;
    return *latest;
}

std::string DataEndText(const DrawHistory& history)
{
    const std::optional<Draw> latest = LatestDraw(history);
    if (!latest)
        return "没有开奖数据";
    if (!latest->period)
        return "数据共 " + std::to_string(history.Size()) + " 期（没有期号）";
    std::string text = "数据截至第 " + std::to_string(*latest->period) + " 期";
    if (latest->date)
        text += "（" + FormatDrawDate(*latest->date) + "）";
    return text;
}

std::optional<std::uint64_t> NextPeriod(const DrawHistory& history)
{
    const std::optional<std::uint64_t> latest = LatestPeriod(history);
    if (!latest || *latest == std::numeric_limits<std::uint64_t>::max())
        return std::nullopt;
    return *latest + 1;
}

} // namespace vesk
