#pragma once
// The bash completion script of vesk-cli, made from the help outline: the
// commands first, then a command's subcommands and options; every other
// word completes as a file name.

#include "tools/cli_docs/help_outline.h"

#include <string>

namespace vesk::cli_docs {

std::string BashCompletion(const HelpOutline& outline);

} // namespace vesk::cli_docs
