#include "tools/cli/cli.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = vesk::cli::RunCli(args, std::cin, std::cout, std::cerr);
    std::cout.flush();
    return status;
}
