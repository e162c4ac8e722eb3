#pragma once
// The draws of a file's text, line by line, in whatever layout it has. This
// is the one reader of draw text: the lenient history reader, the strict
// import and the history check all go through it, so a file reads the same
// everywhere.
//
//   - UTF-8, with or without a byte-order mark; text that is not valid UTF-8
//     is GB18030 and read as such.
//   - When the first line that is not blank names its columns in a CSV or
//     tab-separated row (draw_columns.h), every line is read by those
//     columns; the header itself is a line without digits.
//   - Otherwise every line is read on its own (draw_line.h).

#include "numbers/draw_line.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace vesk {

// The text as UTF-8: the byte-order mark dropped, GB18030 converted.
std::string DecodeDrawText(std::span<const std::uint8_t> text);

// Reads each line; lineNumber counts from 1, text is the line decoded
// (without its break).
using DrawLineVisitor = std::function<void(std::size_t lineNumber, std::string_view text, const DrawLine& line)>;
void ForEachDrawRecord(std::span<const std::uint8_t> text, int length, const DrawLineVisitor& visit);

// As above, for callers that need no line text.
void ForEachDrawLine(std::span<const std::uint8_t> text, int length,
                     const std::function<void(std::size_t lineNumber, const DrawLine& line)>& visit);

} // namespace vesk
