#pragma once
// The texts the condition window shows: the preview line, the summary and
// the full report of the last run, the back-test's findings and the names
// of each condition's record.

#include "components/filter/component/filter_component.h"

#include <string>

namespace vesk::filter {

// "保留 N 注 / 共 M 注", or the reason the set cannot be judged.
std::string PreviewLine(const PreviewState& state);
// The name the user knows a condition by, with its field: "百位", "两码和(百十)".
std::string ConditionName(const Condition& condition, int length);
// "上次缩水：1000 → 212，滤除 788 注".
std::string RunSummary(const RunReport& report);
// The summary, then one line per group and per condition, named as they
// were in the set the run counted.
std::string RunReportText(const RunReport& report, int length);
// BacktestSummary, then one line per lost draw, named by its period (its
// place without periods), with the conditions that lost it.
std::string BacktestText(const ConditionSet& set, const BacktestResult& result, int length);
// What 历史表现 calls a record: "1.2 和值", "大小（容错 0-1）" (an unnamed group
// "第1组（容错 0-1）"), "全部条件".
std::string RecordLabel(const ConditionSet& set, const ConditionRecord& record, int length);

} // namespace vesk::filter
