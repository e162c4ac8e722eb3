#pragma once
// The texts the filter commands print about a run and a back-test.

#include "components/filter/engine/backtest.h"
#include "components/filter/engine/run_tally.h"
#include "tools/cli/batch_tally.h"

#include <string>

namespace vesk::cli {

// "共 N 注，保留 K 注，滤除 R 注", then per group and per condition how many
// numbers failed it, one line each.
std::string RunReport(const filter::ConditionSet& set, const filter::CompiledSet& compiled,
                      const filter::RunTally& tally);
std::string RunReport(const filter::ConditionSet& set, const filter::CompiledSet& compiled, const filter::RunCounts& counts);

// The names the user knows the failed conditions by, blank-separated.
std::string FailedNames(const filter::ConditionSet& set, const std::vector<filter::ConditionRef>& failed);

} // namespace vesk::cli
