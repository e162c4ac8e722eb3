// vesk-cli-docs MANPAGE COMPLETION: writes vesk-cli's manual page and bash
// completion from the help texts vesk-cli itself prints.
#include "tools/cli/cli.h"
#include "tools/cli_docs/bash_completion.h"
#include "tools/cli_docs/man_page.h"
#include "app_version.h"

#include <fstream>
#include <iostream>
#include <sstream>

namespace {

std::string HelpOf(const std::vector<std::string>& words)
{
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    vesk::cli::RunCli(words, in, out, err);
    return out.str();
}

bool WriteText(const char* path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file) {
        std::cerr << "vesk-cli-docs: cannot write " << path << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: vesk-cli-docs MANPAGE COMPLETION\n";
        return 2;
    }
    const auto outline = vesk::cli_docs::ReadHelpOutline(HelpOf);
    if (outline.commands.empty()) {
        std::cerr << "vesk-cli-docs: the help names no commands\n";
        return 1;
    }
    const bool written = WriteText(argv[1], vesk::cli_docs::ManPage(outline, vesk::kAppVersion)) &&
                         WriteText(argv[2], vesk::cli_docs::BashCompletion(outline));
    return written ? 0 : 1;
}
