#include "tools/cli/catalogue_command.h"

#include "storage/safe_file.h"

#include "module/catalogue/catalogue.h"
#include "module/catalogue/catalogue_dump.h"
#include "module/catalogue/catalogue_source.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace vesk::cli {

namespace {

constexpr const char* kUsage =
    "usage: vesk-cli catalogue build SRC OUT\n"
    "       vesk-cli catalogue dump FILE [--digits L]\n"
    "\n"
    "build  reads the catalogue text source SRC and writes the catalogue file OUT.\n"
    "dump   prints, as an indented tree in the source form, the categories, groups\n"
    "       and items of FILE that a game of L digits keeps (L = 3, 5 or 7; default 3;\n"
    "       any other length keeps nothing).\n";

bool IsHelp(const std::string& arg)
{
    return arg == "--help" || arg == "-h";
}

int UsageError(std::ostream& err, const std::string& message)
{
    err << "vesk-cli catalogue: " << message << "\n" << kUsage;
    return 2;
}

int Build(const std::string& sourcePath, const std::string& outPath, std::ostream& err)
{
    std::ifstream in(sourcePath, std::ios::binary);
    if (!in) {
        err << sourcePath << ": cannot open the catalogue source\n";
        return 1;
    }
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const catalogue::SourceResult parsed = catalogue::ParseSource(text);
    if (!parsed.source) {
        err << sourcePath << ":" << parsed.line << ": " << parsed.error << "\n";
        return 1;
    }
    const std::vector<std::uint8_t> bytes = catalogue::SerializeCatalogue(*parsed.source);

    // Through the safe writer, so a failed build never leaves a half-written catalogue behind.
    if (const FileResult written = WriteFileSafely(outPath, bytes); !written.ok) {
        err << outPath << ": cannot write the catalogue file: " << written.message << "\n";
        return 1;
    }
    return 0;
}

int Dump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::string file;
    long digits = 3;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--digits") {
            if (i + 1 >= args.size())
                return UsageError(err, "--digits needs a number length");
            std::istringstream value(args[++i]);
            if (!(value >> digits) || !value.eof())
                return UsageError(err, "--digits needs a number length, not \"" + args[i] + "\"");
        } else if (file.empty() && (args[i].empty() || args[i][0] != '-')) {
            file = args[i];
        } else {
            return UsageError(err, "unexpected argument \"" + args[i] + "\"");
        }
    }
    if (file.empty())
        return UsageError(err, "dump needs a catalogue FILE");

    catalogue::Catalogue catalogue;
    const catalogue::LoadResult result = catalogue.LoadFile(file, catalogue::MaskForDigits(digits));
    if (!result) {
        err << file << ": " << result.error << "\n";
        return 1;
    }
    catalogue::DumpCatalogue(catalogue, out);
    return out ? 0 : 1;
}

} // namespace

int RunCatalogueCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty())
        return UsageError(err, "missing subcommand");
    for (const std::string& arg : args) {
        if (IsHelp(arg)) {
            out << kUsage;
            return 0;
        }
    }
    if (args[0] == "build") {
        if (args.size() != 3)
            return UsageError(err, "build needs SRC and OUT");
        return Build(args[1], args[2], err);
    }
    if (args[0] == "dump")
        return Dump(args, out, err);
    return UsageError(err, "unknown subcommand \"" + args[0] + "\"");
}

int RunCatalogueCommand(const std::vector<std::string>& args)
{
    return RunCatalogueCommand(args, std::cout, std::cerr);
}

} // namespace vesk::cli
