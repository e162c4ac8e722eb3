#pragma once
// Everything the chart shows of a family over a window of draws: its cells,
// blocks, titles, the draws' periods and numbers and the summary rows, made
// from the table the window computed.

#include "components/features/omission/trend_view.h"

#include <string>
#include <vector>

namespace vesk::omission {

// columns: ChartColumns of the table; periods: one per draw (may be empty
// texts), as long as draws.
TrendContent MakeTrendContent(const analysis::Family& family, const analysis::OmissionTable& table,
                              const std::vector<std::size_t>& columns, const std::vector<std::uint32_t>& draws,
                              const std::vector<std::string>& periods);

} // namespace vesk::omission
