#pragma once
// Conversion between the GBK bytes of fixed text fields in binary records and
// the UTF-8 the program works in.

#include <optional>
#include <string>
#include <string_view>

namespace vesk {

// Bytes that are not GBK become U+FFFD, one per bad byte, so a damaged record
// still shows what can be read.
std::string GbkToUtf8(std::string_view gbk);

// Text files that are not UTF-8: GB18030 (a superset of GBK, with four-byte
// characters); bad bytes become U+FFFD as above.
std::string Gb18030ToUtf8(std::string_view text);

// Nothing when the text is not valid UTF-8 or holds a character GBK lacks.
std::optional<std::string> Utf8ToGbk(std::string_view utf8);

} // namespace vesk
