#include "components/filter/component/report_text.h"

#include "components/filter/engine/condition_type.h"
#include "components/filter/engine/digits.h"
#include "components/filter/engine/validate.h"

namespace vesk::filter {
namespace {

std::string PlaceName(int position, int length)
{
    static const char* const kPlaces3[] = {"百", "十", "个"};
    return length == 3 && position >= 0 && position < 3 ? kPlaces3[position] : std::to_string(position + 1);
}

std::string NumberText(std::uint32_t code, int length)
{
    const Digits d = DigitsOf(code, length);
    std::string text;
    for (int i = 0; i < length; ++i)
        text += static_cast<char>('0' + d[static_cast<std::size_t>(i)]);
    return text;
}

} // namespace

std::string PreviewLine(const PreviewState& state)
{
    if (!state.error.empty())
        return state.error;
    return "保留 " + std::to_string(state.preview.kept) + " 注 / 共 " + std::to_string(state.preview.total) + " 注";
}

std::string ConditionName(const Condition& c, int length)
{
    std::string name(InfoOf(c.type).name);
    switch (c.type) {
    case ConditionType::Position: return length == 3 ? PlaceName(c.position, length) + "位" : name + PlaceName(c.position, length);
    case ConditionType::PairSum:
    case ConditionType::PairSumTail:
    case ConditionType::PairDiff:
        return name + "(" + PlaceName(c.pair[0], length) + PlaceName(c.pair[1], length) + ")";
    case ConditionType::RecentCount: return name + "(" + std::to_string(c.window) + "期)";
    default: return name;
    }
}

std::string RunSummary(const RunReport& report)
{
    return "上次缩水：" + std::to_string(report.in) + " → " + std::to_string(report.kept) + "，滤除 " +
           std::to_string(report.in - report.kept) + " 注";
}

std::string RunReportText(const RunReport& report, int length)
{
    const ConditionSet& set = report.set;
    std::string text = RunSummary(report) + "\n";
    for (std::size_t g = 0; g < report.groups.size(); ++g) {
        const std::size_t group = report.groups[g];
        if (group >= set.groups.size())
            continue;
        text += '\n';
        text += GroupLabel(set.groups[group], group);
        text += "：滤除 " + std::to_string(report.groupFailures[g]) + " 注\n";
        for (std::size_t i = 0; i < report.conditions.size(); ++i) {
            const ConditionRef& ref = report.conditions[i];
            if (ref.group != group || ref.condition >= set.groups[group].conditions.size())
                continue;
            text += "  " + ConditionName(set.groups[group].conditions[ref.condition], length) + "：不符 " +
                    std::to_string(report.conditionFailures[i]) + " 注\n";
        }
    }
    return text;
}

std::string BacktestText(const ConditionSet& set, const BacktestResult& result, int length)
{
    if (!result.ok)
        return result.error;
    std::string text = BacktestSummary(result) + "\n";
    for (const JudgedDraw& draw : result.draws) {
        if (draw.kept)
            continue;
        text += '\n';
        text += NumberText(draw.code, length);
        text += "（第 " + std::to_string(draw.name) + " 期）：";
        bool first = true;
        for (const ConditionRef& ref : draw.failed) {
            if (ref.group >= set.groups.size() || ref.condition >= set.groups[ref.group].conditions.size())
                continue;
            text += (first ? "" : "、") + ConditionName(set.groups[ref.group].conditions[ref.condition], length);
            first = false;
        }
    }
    return text;
}

std::string RecordLabel(const ConditionSet& set, const ConditionRecord& record, int length)
{
    if (record.item == RecordItem::Set || record.ref.group >= set.groups.size())
        return "全部条件";
    const Group& group = set.groups[record.ref.group];
    if (record.item == RecordItem::Group)
        return (group.name.empty() ? "第" + RecordName(record) + "组" : group.name) + "（容错 " +
               std::to_string(group.minErrors) + "-" + std::to_string(group.maxErrors) + "）";
    if (record.ref.condition >= group.conditions.size())
        return RecordName(record);
    return RecordName(record) + " " + ConditionName(group.conditions[record.ref.condition], length);
}

} // namespace vesk::filter
