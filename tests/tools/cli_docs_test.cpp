// vesk-cli's manual page and bash completion come from its help texts: what
// the help names is what they offer, and the completion works in bash.
#include "tools/cli/cli.h"
#include "tools/cli_docs/bash_completion.h"
#include "tools/cli_docs/help_outline.h"
#include "tools/cli_docs/man_page.h"
#include "tests/tools/tool_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace vesk::cli_docs {
namespace {

std::string RealHelp(const std::vector<std::string>& words)
{
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    cli::RunCli(words, in, out, err);
    return out.str();
}

const CommandHelp* Find(const HelpOutline& outline, const std::string& name)
{
    const auto found = std::find_if(outline.commands.begin(), outline.commands.end(),
                                    [&name](const CommandHelp& command) { return command.name == name; });
    return found == outline.commands.end() ? nullptr : &*found;
}

bool Has(const std::vector<std::string>& words, const std::string& word)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

TEST(HelpOutline, OptionsAndSubcommandsAreReadFromTheText)
{
    EXPECT_EQ(OptionsIn("  --per-line P  numbers\n  --digits L (default 3), see --per-line; a--b -- --X"),
              (std::vector<std::string>{"--per-line", "--digits"}));
    const std::string draws = "Usage: vesk-cli draws import FILE... --into HISTORY\n"
                              "       vesk-cli draws show HISTORY [--last N]\n"
                              "Run 'vesk-cli draws --help' or vesk-cli draws FILE.\n";
    EXPECT_EQ(SubcommandsIn("draws", draws), (std::vector<std::string>{"import", "show"}));
    EXPECT_TRUE(SubcommandsIn("parse", "Usage: vesk-cli parse [--digits L] [FILE...]").empty());
    EXPECT_TRUE(SubcommandsIn("parse", "Usage: vesk-cli parse2 x").empty());
}

TEST(HelpOutline, EveryCommandOfTheRealHelpWithItsOptions)
{
    const HelpOutline outline = ReadHelpOutline(RealHelp);
    for (const char* name : {"parse", "count", "group", "single", "expand", "convert", "filter", "backtest", "draws",
                             "omission", "pattern"}) {
        const CommandHelp* command = Find(outline, name);
        ASSERT_TRUE(command) << name;
        EXPECT_FALSE(command->summary.empty()) << name;
        EXPECT_EQ(command->text, RealHelp({name, "--help"})) << name;
        EXPECT_TRUE(Has(command->options, "--help")) << name;
    }
    EXPECT_TRUE(Has(Find(outline, "filter")->options, "--conditions"));
    EXPECT_TRUE(Has(Find(outline, "filter")->options, "--rejected"));
    EXPECT_EQ(Find(outline, "draws")->subcommands, (std::vector<std::string>{"import", "fetch", "check", "show"}));
    EXPECT_TRUE(Has(Find(outline, "draws")->options, "--timeout"));
    EXPECT_TRUE(Find(outline, "parse")->subcommands.empty());
}

TEST(ManPage, HoldsEveryHelpTextWithTroffCharactersEscaped)
{
    EXPECT_EQ(TroffLiteral(".start\n'quote\nback\\slash --all\n"), "\\&.start\n\\&'quote\nback\\eslash \\-\\-all\n");

    const HelpOutline outline = ReadHelpOutline(RealHelp);
    const std::string page = ManPage(outline, "9.9");
    EXPECT_EQ(page.rfind(".TH VESK\\-CLI 1", 0), 0u);
    EXPECT_NE(page.find("3DVesk 9.9"), std::string::npos);
    EXPECT_NE(page.find("vesk\\-cli \\- batch work on lottery number files"), std::string::npos);
    for (const CommandHelp& command : outline.commands)
        EXPECT_NE(page.find(".SS " + command.name + "\n.nf\n" + TroffLiteral(command.text)), std::string::npos)
            << command.name;
}

// What bash offers for the words typed so far (the last one being completed).
std::string Completions(const std::string& script, const std::string& words)
{
    test::ToolRunner files;
    const std::string path = files.WriteFile("vesk-cli.bash", script);
    const std::string command = "bash -c 'source " + path + "; COMP_WORDS=(" + words +
                                "); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _vesk_cli; echo \"${COMPREPLY[*]}\"'";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return "(no shell)";
    std::string output;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    return ::pclose(pipe) == 0 ? output : "(failed) " + output;
}

TEST(BashCompletion, OffersCommandsThenTheCommandsSubcommandsAndOptions)
{
    const std::string script = BashCompletion(ReadHelpOutline(RealHelp));
    EXPECT_EQ(Completions(script, "vesk-cli d"), "draws\n");
    EXPECT_EQ(Completions(script, "vesk-cli --v"), "--version\n");
    EXPECT_EQ(Completions(script, "vesk-cli draws \"\""), "import fetch check show\n");
    EXPECT_EQ(Completions(script, "vesk-cli filter --re"), "--rejected --report\n");
    EXPECT_EQ(Completions(script, "vesk-cli count --"), "--per-line --digits --help\n");
    // Past the subcommand, and for unknown commands, bash falls back to file names.
    EXPECT_EQ(Completions(script, "vesk-cli draws import \"\""), "\n");
    EXPECT_EQ(Completions(script, "vesk-cli nosuch --"), "\n");
}

} // namespace
} // namespace vesk::cli_docs
