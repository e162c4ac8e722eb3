#pragma once
// The "catalogue" subcommands of the command-line tool:
//   catalogue build SRC OUT            text source -> catalogue file
//   catalogue dump FILE [--digits L]   what a game of L digits retains, as a tree
// args are the words after "catalogue". Returns the process exit status:
// 0 on success; errors name the file and the fault on the error stream.

#include <iosfwd>
#include <string>
#include <vector>

namespace vesk::cli {

int RunCatalogueCommand(const std::vector<std::string>& args);

// The same, writing to the given streams (for tests and embedding).
int RunCatalogueCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace vesk::cli
