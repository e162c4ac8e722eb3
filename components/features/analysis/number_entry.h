#pragma once
// A list of numbers a user typed or pasted into a tool, checked before it is
// used: the text is read as the editor reads number text (every L digits a
// number), but only after every token between separators was found to be
// digits only and a whole number of L-digit numbers, so that a typo is named
// instead of silently shifting the digits that follow it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vesk::analysis {

struct NumberEntry {
    std::vector<std::uint32_t> codes; // in the order typed, repeats kept
    std::string error;                // names the first bad token; codes empty then
    bool Ok() const { return error.empty(); }
};

// Separators: blanks, line ends, tabs and the punctuation , ; | / and their
// full-width forms ，；、 and the ideographic space. length: 1..8.
NumberEntry ParseNumberEntry(std::string_view text, int length);

// The text's blocks, separated by one or more blank lines (lines of blanks
// only); blocks of blanks only are left out.
std::vector<std::string_view> SplitAtBlankLines(std::string_view text);

} // namespace vesk::analysis
