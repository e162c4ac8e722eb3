// convert: number text and filter data files into one another, and either
// into a workbook.
#include "tools/cli/command_line.h"
#include "tools/cli/commands.h"
#include "tools/cli/default_columns.h"

#include "storage/files/number_text_file.h"
#include "storage/files/result_file.h"

#include <ostream>

namespace vesk::cli {

namespace {

bool IsReadable(const std::string& path)
{
    const files::ResultFileFormat format = files::FormatOfPath(path);
    return format == files::ResultFileFormat::NumberText || format == files::ResultFileFormat::FilterData;
}

int FileError(const std::string& path, const std::string& message, CommandIo& io)
{
    io.err << "vesk-cli: " << path << ": " << message << '\n';
    return kExitDataError;
}

} // namespace

int RunConvert(const Args& args, CommandIo& io)
{
    int status = kExitOk;
    const auto options = StartCommand("convert", args, {{"--digits", true}, {"--per-line", true}}, io, status);
    if (!options)
        return status;
    std::string error;
    const std::optional<int> length = DigitsOption(*options, error);
    const std::optional<std::uint32_t> perLine = PerLineOption(*options, files::kDefaultPerLine, error);
    if (!length || !perLine)
        return UsageError("convert", error, io);
    if (options->operands.size() != 2)
        return UsageError("convert", "expected IN and OUT, got " + std::to_string(options->operands.size())
                                         + " file names", io);
    const std::string& in = options->operands[0];
    const std::string& out = options->operands[1];
    if (!IsReadable(in))
        return UsageError("convert", "'" + in + "' does not end in .txt or .flt", io);
    const bool workbook = files::FormatOfPath(out) == files::ResultFileFormat::Spreadsheet;
    if (!workbook && !IsReadable(out))
        return UsageError("convert", "'" + out + "' does not end in .txt, .flt or .xls", io);

    NumberList list(*length);
    const files::LoadResult loaded = files::LoadResultFile(in, list);
    switch (loaded.status) {
    case files::LoadStatus::Loaded:
    case files::LoadStatus::EmptyText:
        break;
    case files::LoadStatus::Truncated:
        io.err << "vesk-cli: " << in
               << ": warning: the data ends before the announced count of numbers; the missing ones are zeros\n";
        break;
    default:
        return FileError(in, loaded.error, io);
    }
    // An empty list still records the digit length it was read with.
    if (list.IsEmpty() && list.Length() == 0)
        list.Resize(0, *length);
    DefaultColumns columns;
    if (workbook)
        MakeDefaultColumns(columns);
    const files::SaveResult saved = files::SaveResultFile(out, list, *perLine, columns.columns);
    if (!saved.ok)
        return FileError(out, saved.error, io);
    return kExitOk;
}

} // namespace vesk::cli
