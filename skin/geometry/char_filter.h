#pragma once
// The entry field's allowed-character rule.

#include <string_view>

namespace vesk::skin {

// A typed character passes when the allowed set is empty, it is a backspace,
// Ctrl is down, or its upper-case form (ASCII letters only are folded) is in
// the set. The character itself is not changed, so a set of capitals also
// admits the small letters, while a small letter in the set never matches.
bool isCharAllowed(std::u32string_view allowed, char32_t ch, bool ctrlDown);

} // namespace vesk::skin
