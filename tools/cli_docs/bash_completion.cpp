#include "tools/cli_docs/bash_completion.h"

#include <sstream>

namespace vesk::cli_docs {
namespace {

std::string Joined(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

} // namespace

std::string BashCompletion(const HelpOutline& outline)
{
    std::vector<std::string> commands;
    for (const CommandHelp& command : outline.commands)
        commands.push_back(command.name);
    commands.push_back("--help");
    commands.push_back("--version");

    std::ostringstream out;
    out << "# bash completion for vesk-cli; made from its --help texts by the build.\n"
        << "_vesk_cli()\n{\n"
        << "    local cur=${COMP_WORDS[COMP_CWORD]}\n"
        << "    if ((COMP_CWORD == 1)); then\n"
        << "        COMPREPLY=($(compgen -W '" << Joined(commands) << "' -- \"$cur\"))\n"
        << "        return\n"
        << "    fi\n"
        << "    local subcommands='' options=''\n"
        << "    case ${COMP_WORDS[1]} in\n";
    for (const CommandHelp& command : outline.commands) {
        out << "    " << command.name << ")\n"
            << "        subcommands='" << Joined(command.subcommands) << "'\n"
            << "        options='" << Joined(command.options) << "' ;;\n";
    }
    out << "    *) return ;;\n"
        << "    esac\n"
        << "    if [[ $cur == -* ]]; then\n"
        << "        COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
        << "    elif ((COMP_CWORD == 2)) && [[ -n $subcommands ]]; then\n"
        << "        COMPREPLY=($(compgen -W \"$subcommands\" -- \"$cur\"))\n"
        << "    fi\n"
        << "}\n"
        << "# Nothing offered: bash completes file names.\n"
        << "complete -o default -F _vesk_cli vesk-cli\n";
    return out.str();
}

} // namespace vesk::cli_docs
