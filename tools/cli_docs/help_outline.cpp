#include "tools/cli_docs/help_outline.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace vesk::cli_docs {
namespace {

void AddOnce(std::vector<std::string>& list, std::string word)
{
    if (std::find(list.begin(), list.end(), word) == list.end())
        list.push_back(std::move(word));
}

bool IsWordCharacter(char c) { return std::islower(static_cast<unsigned char>(c)) || std::isdigit(static_cast<unsigned char>(c)) || c == '-'; }

} // namespace

std::vector<std::string> SubcommandsIn(const std::string& command, const std::string& text)
{
    std::vector<std::string> words;
    const std::string lead = "vesk-cli " + command + " ";
    for (std::size_t at = text.find(lead); at != std::string::npos; at = text.find(lead, at + 1)) {
        std::size_t start = at + lead.size();
        std::size_t end = start;
        while (end < text.size() && std::islower(static_cast<unsigned char>(text[end])))
            ++end;
        // A placeholder (FILE) or option (--x) is no subcommand; a word must end there.
        if (end > start && (end == text.size() || !IsWordCharacter(text[end])))
            AddOnce(words, text.substr(start, end - start));
    }
    return words;
}

std::vector<std::string> OptionsIn(const std::string& text)
{
    std::vector<std::string> options;
    for (std::size_t at = text.find("--"); at != std::string::npos; at = text.find("--", at + 2)) {
        if (at > 0 && IsWordCharacter(text[at - 1]))
            continue;
        std::size_t end = at + 2;
        while (end < text.size() && IsWordCharacter(text[end]))
            ++end;
        if (end > at + 2 && std::islower(static_cast<unsigned char>(text[at + 2])))
            AddOnce(options, text.substr(at, end - at));
    }
    return options;
}

HelpOutline ReadHelpOutline(const HelpSource& help)
{
    HelpOutline outline;
    outline.toolText = help({"--help"});
    std::istringstream lines(outline.toolText);
    std::string line;
    bool inCommands = false;
    while (std::getline(lines, line)) {
        if (!inCommands) {
            inCommands = line == "Commands:";
            continue;
        }
        const std::size_t nameStart = line.find_first_not_of(' ');
        if (nameStart == std::string::npos)
            break;
        const std::size_t nameEnd = line.find(' ', nameStart);
        CommandHelp command;
        command.name = line.substr(nameStart, nameEnd - nameStart);
        if (nameEnd != std::string::npos) {
            const std::size_t summaryStart = line.find_first_not_of(' ', nameEnd);
            if (summaryStart != std::string::npos)
                command.summary = line.substr(summaryStart);
        }
        command.text = help({command.name, "--help"});
        command.subcommands = SubcommandsIn(command.name, command.text);
        command.options = OptionsIn(command.text);
        AddOnce(command.options, "--help");
        outline.commands.push_back(std::move(command));
    }
    return outline;
}

} // namespace vesk::cli_docs
