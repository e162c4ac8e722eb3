#pragma once
// A check of a draw history as it stands on disk, changing nothing. It reads
// the file's lines as the history reader does (draw_records.h) and lists, in
// file order, what would make the history wrong or stale:
//
//   Gap        a period missing inside a year's run: a YYYYNNN period between
//              two present ones of the same year (one finding per period,
//              placed at the later of the two);
//   Duplicate  the same period again with the same number;
//   Conflict   the same period again with another number;
//   Order      a period lower than the one of the draw before it;
//   DateOrder  a date earlier than the one of the dated draw before it;
//   Length     a draw whose number has another length than the game's;
//   Refused    a line that cannot be read at all (a line without digits
//              after the draws began, too).

#include "numbers/draw_line.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

enum class DrawFindingKind { Gap, Duplicate, Conflict, Order, DateOrder, Length, Refused };

struct DrawFinding {
    DrawFindingKind kind = DrawFindingKind::Refused;
    std::size_t line = 0;                // where in the file (from 1)
    std::optional<std::uint64_t> period; // the period concerned, when one can be read
    // The draw this one is measured against, on an earlier line: the first of
    // a duplicate or conflict, the draw before for Order and DateOrder, the
    // earlier of the two present periods around a gap.
    std::size_t otherLine = 0;
    std::optional<std::uint64_t> otherPeriod;
    std::optional<std::uint64_t> nextPeriod; // a gap's other present period (on line)
    std::uint32_t code = 0;                  // this line's number (Duplicate, Conflict)
    std::uint32_t otherCode = 0;             // the other line's number (Conflict)
    std::optional<DrawDate> date;            // DateOrder
    std::optional<DrawDate> otherDate;       // DateOrder
    std::string text;                        // Length: the line; Refused: the reason
};

// Findings in file order (by line; a line's own findings before the gaps it closes).
std::vector<DrawFinding> CheckDrawHistory(std::span<const std::uint8_t> text, int length);

// The kind's name for scripts: gap, duplicate, conflict, order, date-order, length, refused.
std::string_view DrawFindingName(DrawFindingKind kind);

} // namespace vesk
