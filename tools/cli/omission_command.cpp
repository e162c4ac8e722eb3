// omission: the omission table of one family over a draw history, with the
// figures the row-1 window shows.
#include "tools/cli/command_line.h"
#include "tools/cli/commands.h"
#include "tools/cli/condition_input.h"

#include "components/features/analysis/family_builders.h"
#include "components/features/analysis/omission_table.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <ostream>

namespace vesk::cli {

namespace {

constexpr std::string_view kCommand = "omission";

// Lines in the order of the labels: by value where every label is a whole
// number, else as text.
std::vector<std::size_t> LabelOrder(const analysis::Family& family, const analysis::OmissionTable& table)
{
    std::vector<std::size_t> order(table.rows.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    const auto& items = family.Items();
    std::vector<long long> values;
    for (const analysis::OmissionRow& row : table.rows) {
        const std::string& label = items[row.item].label;
        long long value = 0;
        const auto [end, ec] = std::from_chars(label.data(), label.data() + label.size(), value);
        if (ec != std::errc() || end != label.data() + label.size())
            break;
        values.push_back(value);
    }
    if (values.size() == table.rows.size())
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return values[a] < values[b]; });
    else
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return items[table.rows[a].item].label < items[table.rows[b].item].label;
        });
    return order;
}

} // namespace

int RunOmission(const Args& args, CommandIo& io)
{
    int status = kExitOk;
    const auto options = StartCommand(kCommand, args,
                                      {{"--draws", true}, {"--family", true}, {"--last", true}, {"--digits", true}}, io, status);
    if (!options)
        return status;
    if (!options->operands.empty())
        return UsageError(kCommand, "unexpected argument '" + options->operands.front() + "'", io);
    std::string error;
    const std::optional<int> digits = DigitsOption(*options, error);
    if (!digits)
        return UsageError(kCommand, error, io);
    // 0 stands for every draw, the default.
    const std::optional<std::uint32_t> last = PositiveOption(*options, "--last", 0, error);
    if (!last)
        return UsageError(kCommand, error, io);
    if (!options->Has("--draws"))
        return UsageError(kCommand, "--draws HISTORY is required", io);
    if (!options->Has("--family"))
        return UsageError(kCommand, "--family FAMILY is required", io);
    const analysis::FamilyResult made = analysis::FamilyOfId(options->values.at("--family"), *digits);
    if (!made.family)
        return UsageError(kCommand, made.error, io);

    const std::string& path = options->values.at("--draws");
    const std::optional<DrawsRead> draws = ReadDrawFile(path, *digits, io);
    if (!draws)
        return kExitDataError;
    if (draws->codes.empty()) {
        io.err << "vesk-cli: " << path << ": no draws of " << *digits << " digits\n";
        return kExitDataError;
    }
    const analysis::OmissionTable table = analysis::ComputeOmissions(*made.family, draws->codes, *last);
    std::string text = "item\tcurrent\tprevious\tmax\taverage\texpected\tratio\thits\trate\tmax-run\n";
    for (std::size_t i : LabelOrder(*made.family, table)) {
        const analysis::OmissionRow& row = table.rows[i];
        text += made.family->Items()[row.item].label + '\t' + analysis::FormatRowFigures(row) + '\n';
    }
    io.out << text;
    return kExitOk;
}

} // namespace vesk::cli
