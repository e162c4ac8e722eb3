#pragma once
// What the man page and the shell completion of vesk-cli are made from: the
// commands, subcommands and options as its --help texts name them, so the
// three can never tell different stories.

#include <functional>
#include <string>
#include <vector>

namespace vesk::cli_docs {

struct CommandHelp {
    std::string name;
    std::string summary;                  // the command's line in the tool's help
    std::string text;                     // its own --help text, whole
    std::vector<std::string> subcommands; // "import", "show": words after the name in its usage lines
    std::vector<std::string> options;     // every "--option" its text names, in order, once each
};

struct HelpOutline {
    std::string toolText; // the tool's --help text, whole
    std::vector<CommandHelp> commands;
};

// The text a help request prints: words are the arguments after the program name.
using HelpSource = std::function<std::string(const std::vector<std::string>& words)>;

// Reads the commands from the "Commands:" block of the tool's help (lines
// "  name  summary" up to the first blank line) and asks each for its own.
HelpOutline ReadHelpOutline(const HelpSource& help);

// The lower-case words that follow "vesk-cli <command> " in the text's usage lines.
std::vector<std::string> SubcommandsIn(const std::string& command, const std::string& text);
// Every "--name" token of the text, in order, once each.
std::vector<std::string> OptionsIn(const std::string& text);

} // namespace vesk::cli_docs
