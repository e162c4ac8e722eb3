#include "tools/cli/cli.h"

#include "tools/cli/commands.h"
#include "tools/cli/usage.h"
#include "app_version.h"

#ifdef VESK_CLI_CATALOGUE
#include "tools/cli/catalogue_command.h"
#endif

#include <array>
#include <ostream>
#include <utility>

namespace vesk::cli {

namespace {

using Command = int (*)(const Args&, CommandIo&);

constexpr std::array<std::pair<std::string_view, Command>, 13> kCommands{{
    {"parse", RunParse},
    {"count", RunCount},
    {"group", RunGroup},
    {"single", RunSingle},
    {"expand", RunExpand},
    {"convert", RunConvert},
    {"filter", RunFilter},
    {"backtest", RunBacktest},
    {"draws", RunDraws},
    {"omission", RunOmission},
    {"pattern", RunPattern},
    {"formula", RunFormula},
    {"pick", RunPick},
}};

} // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        err << ToolUsage();
        return kExitUsage;
    }
    const std::string& name = args.front();
    if (name == "--help" || name == "-h" || name == "help") {
        out << ToolUsage();
        return kExitOk;
    }
    if (name == "--version") {
        out << "vesk-cli " << kAppVersion << '\n';
        return kExitOk;
    }
    const Args rest(args.begin() + 1, args.end());
    CommandIo io{in, out, err};
    for (const auto& [command, run] : kCommands) {
        if (command == name)
            return run(rest, io);
    }
#ifdef VESK_CLI_CATALOGUE
    if (name == "catalogue")
        return RunCatalogueCommand(rest, out, err);
#endif
    err << "vesk-cli: unknown command '" << name << "'\nRun 'vesk-cli --help' for the commands.\n";
    return kExitUsage;
}

} // namespace vesk::cli
