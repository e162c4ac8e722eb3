#include "components/features/analysis/tools/group_statistics.h"

#include "components/features/analysis/family_builders.h"
#include "components/features/analysis/value_labels.h"
#include "components/filter/engine/condition_value.h"
#include "components/filter/engine/digits.h"

#include <algorithm>

namespace vesk::analysis {
namespace {

std::uint32_t GroupOf(std::uint32_t code, int length)
{
    return filter::GroupCodeOf(filter::DigitsOf(code, length).data(), length);
}

} // namespace

// L! over the factorials of each digit's repeats.
std::uint32_t GroupOrderings(std::uint32_t group, int length)
{
    const filter::Digits d = filter::DigitsOf(group, length);
    std::uint32_t count = 1;
    int run = 0;
    for (int i = 0; i < length; ++i) {
        run = i > 0 && d[static_cast<std::size_t>(i)] == d[static_cast<std::size_t>(i - 1)] ? run + 1 : 1;
        count = count * static_cast<std::uint32_t>(i + 1) / static_cast<std::uint32_t>(run);
    }
    return count;
}

std::size_t WindowStart(std::size_t drawCount, std::size_t last)
{
    return last == 0 || last >= drawCount ? 0 : drawCount - last;
}

GroupStatistics ComputeGroupStatistics(std::span<const std::uint32_t> list, int length,
                                       std::span<const std::uint32_t> draws, std::size_t last)
{
    GroupStatistics statistics;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> byGroup; // (group, straight)
    byGroup.reserve(list.size());
    for (std::uint32_t code : list)
        byGroup.emplace_back(GroupOf(code, length), code);
    std::sort(byGroup.begin(), byGroup.end());

    filter::Condition distinct;
    distinct.type = filter::ConditionType::DistinctCount;
    const filter::PreparedCondition shape(distinct, length);
    const ValueLabels shapeLabels(distinct, length);
    for (std::size_t i = 0; i < byGroup.size();) {
        GroupRow row;
        row.group = byGroup[i].first;
        std::size_t j = i;
        for (; j < byGroup.size() && byGroup[j].first == row.group; ++j)
            if (row.members.empty() || row.members.back() != byGroup[j].second)
                row.members.push_back(byGroup[j].second);
        row.entries = j - i;
        row.orderings = GroupOrderings(row.group, length);
        row.shape = shapeLabels.Text(shape.ValueOf(filter::DigitsOf(row.group, length).data(), nullptr));
        statistics.rows.push_back(std::move(row));
        i = j;
    }

    const std::size_t start = WindowStart(draws.size(), last);
    statistics.scored = draws.size() - start;
    // The distance of the last hit is the true one, the hit inside the window
    // or before it; only the hits are counted in the window.
    for (std::size_t t = 0; t < draws.size(); ++t) {
        const std::uint32_t group = GroupOf(draws[t], length);
        const auto it = std::lower_bound(statistics.rows.begin(), statistics.rows.end(), group,
                                         [](const GroupRow& row, std::uint32_t g) { return row.group < g; });
        if (it != statistics.rows.end() && it->group == group) {
            if (t >= start)
                ++it->hits;
            it->sinceHit = static_cast<std::int64_t>(draws.size() - 1 - t);
        }
    }
    return statistics;
}

} // namespace vesk::analysis
