#pragma once
// Conversion of UTF-8 text to the GBK bytes that fixed text fields of binary
// records hold.

#include <optional>
#include <string>
#include <string_view>

namespace vesk::app {

// The GBK bytes of the text, or nothing when it holds a character GBK lacks.
std::optional<std::string> Utf8ToGbk(std::string_view utf8);

} // namespace vesk::app
