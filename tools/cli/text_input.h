#pragma once
// The number text a command works on: its files one after another as one
// text (standard input when there are none, or for "-"). Each file is
// taken as UTF-8 when valid, else as GB18030. A single regular file is
// parsed where it lies, mapped into memory.

#include "tools/cli/commands.h"
#include "tools/cli/mapped_file.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk::cli {

class NumberText {
public:
    std::string_view View() const { return m_mapped ? m_map.View() : std::string_view(m_text); }

private:
    friend std::optional<NumberText> ReadNumberText(const std::vector<std::string>& files, CommandIo& io);
    MappedFile m_map;
    bool m_mapped = false;
    std::string m_text;
};

// Empty optional after an error was reported on io.err naming the file.
std::optional<NumberText> ReadNumberText(const std::vector<std::string>& files, CommandIo& io);

} // namespace vesk::cli
