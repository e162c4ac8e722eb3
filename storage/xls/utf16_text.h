#pragma once
// UTF-8 text as the UTF-16 code units a workbook stores.

#include <string>
#include <string_view>

namespace vesk::xls {

// Malformed UTF-8 (stray continuation bytes, overlong or truncated
// sequences, surrogates) becomes U+FFFD, one per bad byte, so nothing the
// caller passes can make the writer produce an invalid string.
std::u16string Utf8ToUtf16(std::string_view text);

} // namespace vesk::xls
