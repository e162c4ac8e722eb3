// parse, count, group, single and expand: a text's numbers through one core
// operation each.
#include "tools/cli/command_line.h"
#include "tools/cli/commands.h"
#include "tools/cli/number_output.h"
#include "tools/cli/text_input.h"

#include "numbers/match_expansion.h"
#include "numbers/number_list.h"

#include <ostream>

namespace vesk::cli {

namespace {

const KnownOption kDigits{"--digits", true};
const KnownOption kPerLine{"--per-line", true};
constexpr std::uint32_t kDefaultReportPerLine = 10;
constexpr const char* kNoMemory = "not enough memory for the numbers";

// The numbers of the operands' text, parsed without dedupe. Empty optional
// when the command is done already (status set).
std::optional<NumberList> ReadList(std::string_view command, const ParsedOptions& options, CommandIo& io,
                                   int& status)
{
    std::string error;
    const std::optional<int> length = DigitsOption(options, error);
    if (!length) {
        status = UsageError(command, error, io);
        return std::nullopt;
    }
    const std::optional<NumberText> text = ReadNumberText(options.operands, io);
    if (!text) {
        status = kExitDataError;
        return std::nullopt;
    }
    NumberList list(*length);
    if (list.ParseText(text->View(), *length, options.Has("--dedupe")) < 0) {
        status = DataError(command, kNoMemory, io);
        return std::nullopt;
    }
    return list;
}

int PrintList(const NumberList& list, CommandIo& io)
{
    WriteNumberLines(list, io.out);
    return kExitOk;
}

using Conversion = bool (NumberList::*)();

int RunConversion(std::string_view command, const Args& args, Conversion convert, CommandIo& io)
{
    int status = kExitOk;
    const auto options = StartCommand(command, args, {kDigits}, io, status);
    if (!options)
        return status;
    std::optional<NumberList> list = ReadList(command, *options, io, status);
    if (!list)
        return status;
    if (!((*list).*convert)())
        return DataError(command, kNoMemory, io);
    return PrintList(*list, io);
}

} // namespace

int RunParse(const Args& args, CommandIo& io)
{
    int status = kExitOk;
    const auto options = StartCommand("parse", args, {kDigits, {"--dedupe", false}}, io, status);
    if (!options)
        return status;
    const std::optional<NumberList> list = ReadList("parse", *options, io, status);
    return list ? PrintList(*list, io) : status;
}

int RunCount(const Args& args, CommandIo& io)
{
    int status = kExitOk;
    const auto options = StartCommand("count", args, {kDigits, kPerLine}, io, status);
    if (!options)
        return status;
    std::string error;
    const std::optional<std::uint32_t> perLine = PerLineOption(*options, kDefaultReportPerLine, error);
    if (!perLine)
        return UsageError("count", error, io);
    std::optional<NumberList> list = ReadList("count", *options, io, status);
    if (!list)
        return status;
    io.out << WithUnixLineEnds(list->CountReport(*perLine));
    return kExitOk;
}

int RunGroup(const Args& args, CommandIo& io)
{
    return RunConversion("group", args, &NumberList::ToGroupForm, io);
}

int RunSingle(const Args& args, CommandIo& io)
{
    return RunConversion("single", args, &NumberList::ToSingleForm, io);
}

int RunExpand(const Args& args, CommandIo& io)
{
    int status = kExitOk;
    const auto options = StartCommand("expand", args, {kDigits, {"--match", true}}, io, status);
    if (!options)
        return status;
    std::string error;
    const std::optional<int> length = DigitsOption(*options, error);
    if (!length)
        return UsageError("expand", error, io);
    if (!options->Has("--match"))
        return UsageError("expand", "--match C is required", io);
    const std::string& match = options->values.at("--match");
    if (match.size() != 1 || (match[0] >= '0' && match[0] <= '9') || static_cast<unsigned char>(match[0]) >= 0x80)
        return UsageError("expand", "--match must be one ASCII character that is not a digit, not '" + match + "'", io);
    if (options->operands.empty())
        return UsageError("expand", "no TEXT given", io);
    std::string text;
    for (const std::string& word : options->operands)
        text += (text.empty() ? "" : " ") + word;
    const MatchExpansion expansion = ExpandMatch(text, match[0], *length);
    if (!expansion.ok)
        return DataError("expand", expansion.error, io);
    NumberList list(*length);
    if (list.ParseText(expansion.digits, *length, false) < 0)
        return DataError("expand", kNoMemory, io);
    return PrintList(list, io);
}

} // namespace vesk::cli
