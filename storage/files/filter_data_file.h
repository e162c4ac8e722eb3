#pragma once
// Filter data files (".flt"). The current version is the binary list form:
// uint32 count, uint8 digits per number, then the digit values. The old
// version, read only, starts with the tag bytes 30 30 FF FF followed by one
// uint32 number code (0..999) per number.

#include "numbers/number_list.h"
#include "numbers/read_status.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vesk::files {

inline constexpr std::uint32_t kOldFilterDataTag = 0xFFFF3030u;
// What the user is shown for an empty or unreadable filter data file.
inline constexpr std::string_view kBadFilterFileMessage = "缩水数据文件格式不正确或版本不正确！";

struct FilterDataResult {
    ReadStatus status = ReadStatus::MissingHeader;
    bool oldVersion = false;
    std::string error; // English, for the command line; empty when loaded
};

// Reads either version into list; a file that is refused leaves list as it
// was. An empty file is refused (MissingHeader). Old-version codes above 999
// are damage (BadDigit); a trailing partial code is ignored.
FilterDataResult ReadFilterData(std::span<const std::uint8_t> bytes, NumberList& list);

// The current version.
inline std::string EncodeFilterData(const NumberList& list) { return list.ToBinary(); }

} // namespace vesk::files
