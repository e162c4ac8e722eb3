#pragma once
// vesk-cli: the numbers core on the command line. args are the words after
// the program name. Results go to out with "\n" line ends; errors go to err
// naming the file and the fault. Returns the exit status: 0 success,
// 1 unreadable or damaged input, 2 bad usage.

#include <iosfwd>
#include <string>
#include <vector>

namespace vesk::cli {

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace vesk::cli
