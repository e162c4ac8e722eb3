#pragma once
// Number text read from files is UTF-8 when valid, else GB18030. Parsing
// looks only at ASCII digits, which neither encoding uses inside a multi-byte
// character, except GB18030's four-byte characters (bytes 2 and 4 are
// 0x30..0x39). Those are blanked so they cannot turn into numbers.

#include <string>
#include <string_view>

namespace vesk {

bool IsValidUtf8(std::string_view text);

// In place: when text is not valid UTF-8, every GB18030 four-byte sequence is
// replaced by four blanks. Lengths stay the same; valid UTF-8 is untouched.
void PrepareNumberText(std::string& text);

} // namespace vesk
