#pragma once
// Appending a block of text to a text area (editor, staging page): the text
// step on plain strings; the window adds the tail at the end of its text and
// sets the caret and focus. Only the area's length is read, so appending to
// a text of millions of characters costs the block, not the text.

#include <cstddef>
#include <string>
#include <string_view>

namespace vesk {

struct AppendedBlock {
    std::string tail;        // what goes after the area's current text
    std::size_t caret = 0;   // start of the new block in the area's new text: where the caret goes
};

// A non-empty area gets "\r\n\r\n" before the block; an empty one none.
AppendedBlock AppendBlock(std::size_t areaLength, std::string_view block);

} // namespace vesk
