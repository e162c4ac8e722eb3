#pragma once
// Which result file format a path names: the text after the last '.' of the
// file name, compared without regard to case.

#include <string_view>

namespace vesk::files {

enum class ResultFileFormat {
    NumberText,  // ".txt"
    FilterData,  // ".flt"
    Spreadsheet, // ".xls", written only
    Other,
};

ResultFileFormat FormatOfPath(std::string_view path);

} // namespace vesk::files
