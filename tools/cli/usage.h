#pragma once
// Help texts of vesk-cli and its commands.

#include <string_view>

namespace vesk::cli {

std::string_view ToolUsage();
// Empty for a name that is no command.
std::string_view CommandUsage(std::string_view command);

} // namespace vesk::cli
