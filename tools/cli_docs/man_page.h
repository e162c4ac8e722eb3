#pragma once
// The vesk-cli(1) manual page in troff, made from the help outline: the
// tool's help as the description and each command's help as its section,
// word for word.

#include "tools/cli_docs/help_outline.h"

#include <string>

namespace vesk::cli_docs {

std::string ManPage(const HelpOutline& outline, const std::string& version);

// Text set as troff literal lines: backslashes and hyphens escaped, and a
// line that starts with a control character kept as text.
std::string TroffLiteral(const std::string& text);

} // namespace vesk::cli_docs
