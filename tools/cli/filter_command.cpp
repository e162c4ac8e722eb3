// filter: the numbers of a text, or of the whole space, that pass a
// condition set.
#include "tools/cli/command_line.h"
#include "tools/cli/commands.h"
#include "tools/cli/condition_input.h"
#include "tools/cli/filter_report.h"
#include "tools/cli/text_input.h"

#include "components/filter/engine/compiled_set.h"
#include "components/filter/engine/run_tally.h"
#include "components/filter/engine/validate.h"
#include "numbers/digit_packing.h"
#include "numbers/number_list.h"
#include "pages/files/file_access.h"

#include <ostream>

namespace vesk::cli {

namespace {

constexpr std::string_view kCommand = "filter";

// The numbers to judge: a parsed text, or every code of the space.
class Candidates {
public:
    explicit Candidates(int length) : m_list(length), m_length(length) {}

    NumberList& List() { return m_list; }
    void UseWholeSpace() { m_all = true; }

    std::uint64_t Count() const { return m_all ? std::uint64_t(PowerOfTen(m_length)) : m_list.Count(); }
    std::uint32_t CodeAt(std::uint64_t i) const
    {
        return m_all ? static_cast<std::uint32_t>(i)
                     : digits::Value(digits::Load(m_list.GetAt(static_cast<std::uint32_t>(i)), m_length), m_length);
    }

private:
    NumberList m_list;
    int m_length;
    bool m_all = false;
};

void AppendNumber(std::string& text, std::uint32_t code, int length, char after)
{
    char digits[8];
    for (int i = length - 1; i >= 0; --i, code /= 10)
        digits[i] = static_cast<char>('0' + code % 10);
    text.append(digits, static_cast<std::size_t>(length));
    text += after;
}

// The rejected numbers as number text: blanks between them, as the result
// page writes a text without line breaks.
std::string RejectedText(const Candidates& numbers, const filter::CompiledSet& compiled, int length)
{
    std::string text;
    for (std::uint64_t i = 0; i < numbers.Count(); ++i) {
        const std::uint32_t code = numbers.CodeAt(i);
        if (!compiled.Passes(code))
            AppendNumber(text, code, length, ' ');
    }
    if (!text.empty())
        text.pop_back();
    return text;
}

void WriteKept(const Candidates& numbers, const filter::CompiledSet& compiled, int length, std::ostream& out)
{
    std::string block;
    for (std::uint64_t i = 0; i < numbers.Count(); ++i) {
        const std::uint32_t code = numbers.CodeAt(i);
        if (!compiled.Passes(code))
            continue;
        AppendNumber(block, code, length, '\n');
        if (block.size() >= (1u << 16)) {
            out << block;
            block.clear();
        }
    }
    out << block;
}

} // namespace

int RunFilter(const Args& args, CommandIo& io)
{
    int status = kExitOk;
    const auto options = StartCommand(kCommand, args,
                                      {{"--conditions", true}, {"--draws", true}, {"--digits", true},
                                       {"--rejected", true}, {"--report", false}, {"--all", false}},
                                      io, status);
    if (!options)
        return status;
    if (options->Has("--all") && !options->operands.empty())
        return UsageError(kCommand, "--all takes no FILE", io);
    const std::optional<filter::ConditionSet> set = ReadConditionsOption(kCommand, *options, io, status);
    if (!set)
        return status;
    const int length = set->digits;

    std::optional<filter::HistoryIndex> history;
    if (options->Has("--draws")) {
        const std::optional<DrawsRead> draws = ReadDrawFile(options->values.at("--draws"), length, io);
        if (!draws)
            return kExitDataError;
        if (!draws->codes.empty())
            history.emplace(draws->codes, length);
    }
    if (auto problem = filter::Validate(*set, length, history.has_value()))
        return DataError(kCommand, options->values.at("--conditions") + ": " + *problem, io);
    const filter::CompileResult compiled = filter::Compile(*set, length, history ? &*history : nullptr);
    if (!compiled.compiled)
        return DataError(kCommand, options->values.at("--conditions") + ": " + compiled.error, io);

    Candidates numbers(length);
    if (options->Has("--all")) {
        numbers.UseWholeSpace();
    } else {
        const std::optional<NumberText> text = ReadNumberText(options->operands, io);
        if (!text)
            return kExitDataError;
        if (numbers.List().ParseText(text->View(), length, false) < 0)
            return DataError(kCommand, "not enough memory for the numbers", io);
    }

    // The rejected file first: when it cannot be written, nothing is printed.
    if (options->Has("--rejected")) {
        const std::string& path = options->values.at("--rejected");
        const files::WriteOutcome written = files::WriteFileReplacing(path, RejectedText(numbers, *compiled.compiled, length));
        if (!written.ok) {
            io.err << "vesk-cli: " << path << ": " << written.error << '\n';
            return kExitDataError;
        }
    }
    WriteKept(numbers, *compiled.compiled, length, io.out);
    if (options->Has("--report")) {
        filter::RunTally tally(*compiled.compiled);
        for (std::uint64_t i = 0; i < numbers.Count(); ++i)
            tally.Add(numbers.CodeAt(i));
        io.err << RunReport(*set, *compiled.compiled, tally);
    }
    return kExitOk;
}

} // namespace vesk::cli
