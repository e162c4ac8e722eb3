// Build-time catalogue tool: "vesk-catalogue build SRC OUT", "vesk-catalogue dump FILE".
#include "tools/cli/catalogue_command.h"

int main(int argc, char** argv)
{
    return vesk::cli::RunCatalogueCommand({argv + 1, argv + argc});
}
