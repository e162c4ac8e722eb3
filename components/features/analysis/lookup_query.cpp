#include "components/features/analysis/lookup_query.h"

#include "components/features/analysis/number_entry.h"
#include "components/features/analysis/value_labels.h"

#include <algorithm>

namespace vesk::analysis {

LookupQuery ParseLookupQuery(std::string_view text, int length, std::span<const std::string> periods)
{
    LookupQuery query;
    const std::vector<std::string_view> tokens = SplitTokens(text);
    for (std::size_t t = 0; t < tokens.size(); ++t) {
        const std::string_view token = tokens[t];
        // The newest draw of a period, should a file list one twice.
        const auto period = std::find(periods.rbegin(), periods.rend(), token);
        if (period != periods.rend()) {
            query.entries.push_back({true, 0, static_cast<std::size_t>(periods.rend() - period) - 1});
            continue;
        }
        const NumberEntry numbers = ParseNumberEntry(token, length);
        if (!numbers.Ok()) {
            query.errors.push_back("第" + std::to_string(t + 1) + "项" + numbers.error + "，也不是历史中的期号");
            continue;
        }
        for (std::uint32_t code : numbers.codes)
            query.entries.push_back({false, code, 0});
    }
    return query;
}

} // namespace vesk::analysis
