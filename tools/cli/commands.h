#pragma once
// The commands of vesk-cli. Each gets the words after its name and returns
// the exit status (see cli.h).

#include <iosfwd>
#include <string>
#include <vector>

namespace vesk::cli {

enum ExitStatus : int {
    kExitOk = 0,
    kExitDataError = 1,
    kExitUsage = 2,
};

struct CommandIo {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

using Args = std::vector<std::string>;

int RunParse(const Args& args, CommandIo& io);
int RunCount(const Args& args, CommandIo& io);
int RunGroup(const Args& args, CommandIo& io);
int RunSingle(const Args& args, CommandIo& io);
int RunExpand(const Args& args, CommandIo& io);
int RunConvert(const Args& args, CommandIo& io);
int RunFilter(const Args& args, CommandIo& io);
int RunBacktest(const Args& args, CommandIo& io);
int RunDraws(const Args& args, CommandIo& io);
int RunOmission(const Args& args, CommandIo& io);
int RunPattern(const Args& args, CommandIo& io);
int RunFormula(const Args& args, CommandIo& io);
int RunPick(const Args& args, CommandIo& io);

} // namespace vesk::cli
