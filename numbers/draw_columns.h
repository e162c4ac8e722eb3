#pragma once
// Draw files whose columns are found by their names: a CSV or tab-separated
// file whose header row names the period (期号, 期数, 开奖期号, ...), the date
// (开奖日期, 日期, ...) and the number, either whole (开奖号码, 号码, ...) or
// one column per digit (百位/十位/个位, 万位...个位, 第一位..., 号码1...).
// Names are matched ignoring case and spaces. Columns no name is known for
// (sales, a bonus number) are ignored, unlike in the unnamed layouts.
//
// Fields follow CSV's quoting ("a,b" is one field, "" a quote inside one);
// a field never spans lines.

#include "numbers/draw_line.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

struct DrawColumns {
    char separator = ',';
    std::optional<std::size_t> period;
    std::optional<std::size_t> date;
    std::optional<std::size_t> number;
    std::vector<std::size_t> digits; // a column per digit, the first digit first; used without a number column
    std::vector<std::string> names;  // the header's names as matched, to know the header again
};

// The columns of a header line (UTF-8, without its break): nothing unless it
// is separated by tabs or commas and names the number or all its digits.
std::optional<DrawColumns> FindDrawColumns(std::string_view header, int length);

// One line of such a file. A line of nothing but separators and spaces, or
// the header again, is blank; one without a digit holds no digits.
DrawLine ReadDrawFields(std::string_view line, const DrawColumns& columns, int length);

// The fields of a line between separators, quotes taken off.
std::vector<std::string> SplitDrawFields(std::string_view line, char separator);

} // namespace vesk
