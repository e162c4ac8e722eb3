#include "tools/cli/filter_report.h"

#include "components/filter/engine/validate.h"

namespace vesk::cli {

namespace {

std::string NameOf(const filter::ConditionSet& set, const filter::ConditionRef& ref)
{
    return std::string(filter::InfoOf(set.groups[ref.group].conditions[ref.condition].type).name);
}

} // namespace

std::string RunReport(const filter::ConditionSet& set, const filter::CompiledSet& compiled,
                      const filter::RunTally& tally)
{
    return RunReport(set, compiled, tally.Counts());
}

std::string RunReport(const filter::ConditionSet& set, const filter::CompiledSet& compiled, const filter::RunCounts& counts)
{
    // Appended piece by piece: g++ 12 warns falsely on long chains of +.
    std::string text("共 ");
    text.append(std::to_string(counts.in)).append(" 注，保留 ").append(std::to_string(counts.kept));
    text.append(" 注，滤除 ").append(std::to_string(counts.in - counts.kept)).append(" 注\n");
    const auto& groups = compiled.Groups();
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const filter::CompiledGroup& group = groups[g];
        text.append("条件组「").append(filter::GroupLabel(set.groups[group.group], group.group)).append("」容错 [");
        text.append(std::to_string(group.minErrors)).append(", ").append(std::to_string(group.maxErrors));
        text.append("]：不通过 ").append(std::to_string(counts.groupFailures[g])).append(" 注\n");
        for (std::size_t i = group.first; i < group.first + group.count; ++i) {
            text.append("  ").append(std::to_string(compiled.RefAt(i).condition + 1)).append(". ");
            text.append(NameOf(set, compiled.RefAt(i))).append("：不满足 ");
            text.append(std::to_string(counts.conditionFailures[i])).append(" 注\n");
        }
    }
    return text;
}

std::string FailedNames(const filter::ConditionSet& set, const std::vector<filter::ConditionRef>& failed)
{
    std::string names;
    for (const filter::ConditionRef& ref : failed)
        names.append(names.empty() ? "" : " ").append(NameOf(set, ref));
    return names;
}

} // namespace vesk::cli
