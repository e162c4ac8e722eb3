// filter: the numbers of a text, or of the whole space, that pass a
// condition set.
#include "tools/cli/command_line.h"
#include "tools/cli/batch_worker.h"
#include "tools/cli/commands.h"
#include "tools/cli/condition_input.h"
#include "tools/cli/filter_report.h"
#include "tools/cli/filter_stream.h"
#include "tools/cli/run_counter.h"
#include "tools/cli/text_input.h"

#include "components/filter/engine/compiled_set.h"
#include "components/filter/engine/validate.h"
#include "storage/safe_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <ostream>

namespace vesk::cli {

namespace {

constexpr std::string_view kCommand = "filter";
static_assert(BatchTally::kMaxBatch >= kJudgeBatch, "a judged batch is tallied as one");

// Judges the numbers of the text, or the whole space when text is null.
void Judge(const std::optional<NumberText>& text, const filter::CompiledSet& compiled, const JudgedBatch& onBatch)
{
    if (text)
        JudgeText(text->View(), compiled, onBatch);
    else
        JudgeSpace(compiled, onBatch);
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

    // The text is judged as it is parsed, once per output: no list of the
    // numbers is built.
    std::optional<NumberText> text;
    if (!options->Has("--all")) {
        text = ReadNumberText(options->operands, io);
        if (!text)
            return kExitDataError;
    }

    // One pass judges every number. With a rejected file the kept text waits
    // in memory until the file is safely written: when it cannot be, nothing
    // is printed.
    const bool rejectedFile = options->Has("--rejected");
    std::string keptText;
    if (rejectedFile) {
        // A kept number takes at most what it took in the text (digits and
        // a separator), so the text's size is room enough: no copying on growth.
        keptText.reserve(text ? text->View().size() + static_cast<std::size_t>(length) + 1
                              : static_cast<std::size_t>(compiled.compiled->Space().Size()) * static_cast<std::size_t>(length + 1));
    }
    NumberTextWriter kept(length, '\n', NumberTextWriter::Separators::After,
                          [&io, &keptText, rejectedFile](const char* data, std::size_t size) {
                              if (rejectedFile)
                                  keptText.append(data, size);
                              else
                                  io.out.write(data, static_cast<std::streamsize>(size));
                              return true;
                          });
    std::optional<RunCounter> tally;
    if (options->Has("--report")) {
        // Every number takes at least its digits and a separator.
        const std::uint64_t expected = text ? text->View().size() / static_cast<std::size_t>(length + 1) + 1
                                            : compiled.compiled->Space().Size();
        tally.emplace(*compiled.compiled, expected);
    }
    const auto judgeAll = [&](BatchWorker* rejected) {
        Judge(text, *compiled.compiled, [&](const std::uint32_t* codes, const std::uint8_t* passes, std::size_t count) {
            kept.Append(codes, passes, count, 1);
            if (rejected)
                rejected->Add(codes, passes, count);
            if (tally)
                tally->Add(codes, count);
        });
        kept.Finish();
    };

    if (rejectedFile) {
        const std::string& path = options->values.at("--rejected");
        const FileResult written = WriteFileSafely(path, [&](std::FILE* file) -> std::string {
            // Blanks between the numbers, as the result page writes a text
            // without line breaks.
            int writeError = 0;
            NumberTextWriter rejected(length, ' ', NumberTextWriter::Separators::Between,
                                      [file, &writeError](const char* data, std::size_t size) {
                                          if (std::fwrite(data, 1, size, file) == size)
                                              return true;
                                          writeError = errno;
                                          return false;
                                      });
            // The rejected text is written on a thread of its own beside the parsing.
            {
                BatchWorker writer([&rejected](const std::uint32_t* codes, const std::uint8_t* passes, std::size_t count) {
                    rejected.Append(codes, passes, count, 0);
                });
                judgeAll(&writer);
            }
            return rejected.Finish() ? std::string() : std::string("cannot write: ") + std::strerror(writeError);
        });
        if (!written.ok) {
            io.err << "vesk-cli: " << path << ": " << written.message << '\n';
            return kExitDataError;
        }
        io.out.write(keptText.data(), static_cast<std::streamsize>(keptText.size()));
    } else {
        judgeAll(nullptr);
    }
    if (tally)
        io.err << RunReport(*set, *compiled.compiled, tally->Finish());
    return kExitOk;
}

} // namespace vesk::cli
