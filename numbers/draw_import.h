#pragma once
// Importing draws into a history, strictly: every line of every file either
// is a draw, a header, a blank line, or is refused with its line number and
// the reason. Draws are kept by period:
//
//   - a new period is added;
//   - a period already there with the same number is skipped;
//   - a period already there with another number is a conflict: refused,
//     the history keeps its number;
//   - a draw keeps its date: a known draw without one takes the imported
//     draw's date ("dated"); a known draw with another date is a conflict.
//
// The result is ordered by period. A history without periods at all (a
// hand-written list of numbers) can only grow by numbers without periods,
// which are appended in the order read; into a history with periods, a
// number without one is refused, since there is no telling where it belongs.
// Draws of such a mixed history that have no period stay at its start.

#include "numbers/draw_history.h"

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace vesk {

struct RefusedDrawLine {
    std::string source; // the file (or "录入" for a draw typed in)
    std::size_t line = 0;
    std::string reason;
    bool conflict = false;
};

struct DrawImportReport {
    std::size_t added = 0;
    std::size_t skipped = 0;
    std::size_t dated = 0; // known draws that took the imported date
    std::vector<RefusedDrawLine> refused;

    std::size_t Conflicts() const;
    // Whether the history changes.
    bool Changed() const { return added > 0 || dated > 0; }
    // One line for the user: "新增 3 期，跳过 1 期，拒绝 2 行（其中冲突 1 行）",
    // with "，补上日期 N 期" after the skipped ones when dates were taken.
    std::string Summary() const;
};

class DrawMerge {
public:
    explicit DrawMerge(const DrawHistory& history);

    // Reads one file's text (UTF-8 or GB18030) and merges its draws; text
    // with a zero byte is refused whole.
    void AddText(const std::string& source, std::span<const std::uint8_t> text);
    // Merges one line as if it stood alone in a file.
    void AddLine(const std::string& source, std::string_view line);
    // A source that could not be read at all (line 0).
    void RefuseSource(const std::string& source, std::string reason);

    // A period the history itself holds twice with different numbers: the
    // merged history could keep only one of them, so it must not be written.
    std::optional<std::uint64_t> ClashInHistory() const { return m_clash; }

    const DrawImportReport& Report() const { return m_report; }
    // The merged history: draws without a period first, then by period.
    DrawHistory Result() const;

private:
    void Merge(const std::string& source, std::size_t lineNumber, const Draw& draw);
    void Refuse(const std::string& source, std::size_t lineNumber, std::string reason, bool conflict = false);

    int m_length;
    // Decided by the history, or by the first draw read into an empty one.
    enum class Keying { Open, ByPeriod, Plain } m_keying;
    std::vector<Draw> m_unkeyed;
    struct Kept {
        std::uint32_t code = 0;
        std::optional<DrawDate> date;
    };
    std::map<std::uint64_t, Kept> m_byPeriod;
    std::optional<std::uint64_t> m_clash;
    DrawImportReport m_report;
};

// The history file's text: "period number" per line (the number alone when
// it has no period), "period,date,number" for a draw with a date, the number
// with its leading zeros, "\n" line ends.
std::string FormatDrawHistory(const DrawHistory& history);

// The history's highest period; nothing when no draw has one.
std::optional<std::uint64_t> LatestPeriod(const DrawHistory& history);

// The draw the data ends with: the one of the highest period, else the last.
std::optional<Draw> LatestDraw(const DrawHistory& history);

// Where the data ends, for titles and the status bar:
// "数据截至第 2025217 期（2025-08-15）", the date only when the draw has one;
// "数据共 N 期（没有期号）" without periods, "没有开奖数据" when empty.
std::string DataEndText(const DrawHistory& history);

// The period that most likely follows the history's latest one: one more.
// Nothing when the history has no period.
std::optional<std::uint64_t> NextPeriod(const DrawHistory& history);

} // namespace vesk
