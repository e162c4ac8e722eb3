#include "components/features/analysis/query/lookup_query.h"

#include "components/features/analysis/number_entry.h"
#include "components/features/analysis/value_labels.h"

#include <algorithm>

namespace vesk::analysis {

namespace {

constexpr std::string_view kPeriodMark = "期";

} // namespace

LookupQuery ParseLookupQuery(std::string_view text, int length, std::span<const std::string> periods)
{
    LookupQuery query;
    const std::vector<std::string_view> tokens = SplitTokens(text);
    for (std::size_t t = 0; t < tokens.size(); ++t) {
        const std::string_view token = tokens[t];
        const std::string place = "第" + std::to_string(t + 1) + "项";
        // "123期" is always a period; "123" a number when the game has three digits.
        const bool marked = token.size() > kPeriodMark.size() && token.ends_with(kPeriodMark);
        const std::string_view period = marked ? token.substr(0, token.size() - kPeriodMark.size()) : token;
        if (marked || period.size() != static_cast<std::size_t>(length)) {
            // The newest draw of a period, should a file list one twice.
            const auto found = std::find(periods.rbegin(), periods.rend(), period);
            if (found != periods.rend()) {
                query.entries.push_back({true, 0, static_cast<std::size_t>(periods.rend() - found) - 1});
                continue;
            }
            if (marked) {
                query.errors.push_back(place + "“" + std::string(token) + "”：历史中没有这一期");
                continue;
            }
        }
        // Only a token of the game's length is a number: a longer run of
        // digits is more likely a mistyped period than several numbers.
        const NumberEntry numbers = ParseNumberEntry(token, length);
        if (token.size() != static_cast<std::size_t>(length) || !numbers.Ok() || numbers.codes.size() != 1) {
            query.errors.push_back(place + "“" + std::string(token) + "”：不是" + std::to_string(length) +
                                   "位号码，也不是历史中的期号");
            continue;
        }
        query.entries.push_back({false, numbers.codes.front(), 0});
    }
    return query;
}

} // namespace vesk::analysis
