#pragma once
// Appending a block of text to a text area (editor, staging page): the text
// step on plain strings; the window only sets the text, the caret and focus.

#include <cstddef>
#include <string>
#include <string_view>

namespace vesk {

struct AppendedBlock {
    std::string text;        // the area's new text
    std::size_t caret = 0;   // start of the new block: where the caret goes
};

// A non-empty area gets "\r\n\r\n" before the block; an empty one none.
AppendedBlock AppendBlock(std::string_view area, std::string_view block);

} // namespace vesk
