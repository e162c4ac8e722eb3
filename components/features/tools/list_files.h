#pragma once
// Number lists read from files for the tools that take lists: .flt filter
// data as the result page reads it, any other file as text by the rules of
// typed entry, line by line (a line with anything but numbers of the game's
// length refuses the whole file, naming file and line). A file of another
// number length than the game's is refused, since its numbers cannot be
// compared with the game's or handed to the workbench.

#include <cstdint>
#include <string>
#include <vector>

namespace vesk::tools {

struct ListFile {
    std::vector<std::uint32_t> codes; // as the result page would load them
    std::string error;                // names the file and what is wrong
    bool Ok() const { return error.empty(); }
};

ListFile ReadListFile(const std::string& path, int gameLength);

// The codes as number text, one number a line ("\r\n" after each).
std::string ListText(const std::vector<std::uint32_t>& codes, int length);

// Saves the codes as the result page saves its list (.txt number text, .flt
// filter data), replacing a file only once fully written; the error (empty
// on success) is the failure for the user ("保存失败：…，原文件未改动").
std::string SaveListFile(const std::string& path, const std::vector<std::uint32_t>& codes, int length);

} // namespace vesk::tools
