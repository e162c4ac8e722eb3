#include "tools/cli/command_line.h"

#include "tools/cli/usage.h"

#include <ostream>

namespace vesk::cli {

std::optional<ParsedOptions> StartCommand(std::string_view command, const Args& args,
                                          const std::vector<KnownOption>& known, CommandIo& io, int& status)
{
    ParsedOptions options = ParseOptions(args, known);
    if (!options.error.empty()) {
        status = UsageError(command, options.error, io);
        return std::nullopt;
    }
    if (options.help) {
        io.out << CommandUsage(command);
        status = kExitOk;
        return std::nullopt;
    }
    return options;
}

int UsageError(std::string_view command, const std::string& message, CommandIo& io)
{
    io.err << "vesk-cli " << command << ": " << message << "\nTry 'vesk-cli " << command << " --help'.\n";
    return kExitUsage;
}

int DataError(std::string_view command, const std::string& message, CommandIo& io)
{
    io.err << "vesk-cli " << command << ": " << message << '\n';
    return kExitDataError;
}

} // namespace vesk::cli
