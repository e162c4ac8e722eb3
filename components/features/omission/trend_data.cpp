#include "components/features/omission/trend_data.h"

#include "components/filter/engine/digits.h"

#include <algorithm>

namespace vesk::omission {

std::vector<std::size_t> ChartColumns(const analysis::OmissionTable& table, const std::vector<std::size_t>& selectedItems)
{
    std::vector<std::size_t> columns(table.rows.size());
    for (std::size_t i = 0; i < columns.size(); ++i)
        columns[i] = i;
    if (columns.size() <= kMaxChartColumns)
        return columns;
    std::stable_sort(columns.begin(), columns.end(), [&](std::size_t a, std::size_t b) {
        return table.rows[a].ratio.Compare(table.rows[b].ratio) > 0;
    });
    columns.resize(kTopChartColumns);
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const bool selected = std::find(selectedItems.begin(), selectedItems.end(), table.rows[i].item) != selectedItems.end();
        if (selected && std::find(columns.begin(), columns.end(), i) == columns.end())
            columns.push_back(i);
    }
    std::sort(columns.begin(), columns.end());
    return columns;
}

TrendData MakeTrend(const analysis::Family& family, const analysis::OmissionTable& table, std::vector<std::size_t> columns,
                    const std::vector<std::uint32_t>& draws)
{
    TrendData trend;
    trend.rows = std::move(columns);
    trend.draws = table.window;
    trend.firstDraw = draws.size() - table.window;
    trend.cells.assign(trend.draws * trend.rows.size(), 0);
    // Column of each family item, or none.
    std::vector<std::int32_t> columnOf(family.Size(), -1);
    for (std::size_t c = 0; c < trend.rows.size(); ++c)
        columnOf[table.rows[trend.rows[c]].item] = static_cast<std::int32_t>(c);
    std::vector<std::int32_t> running(trend.rows.size(), 0);
    std::vector<bool> hitNow(trend.rows.size(), false);
    std::vector<std::uint32_t> hits;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        std::fill(hitNow.begin(), hitNow.end(), false);
        if (draws[i] < family.SpaceSize()) {
            const filter::Digits digits = filter::DigitsOf(draws[i], family.Length());
            hits.clear();
            family.Finder().Find(digits.data(), draws[i], hits);
            for (std::uint32_t k : hits)
                if (columnOf[k] >= 0)
                    hitNow[static_cast<std::size_t>(columnOf[k])] = true;
        }
        for (std::size_t c = 0; c < trend.rows.size(); ++c) {
            running[c] = hitNow[c] ? 0 : running[c] + 1;
            if (i >= trend.firstDraw)
                trend.cells[(i - trend.firstDraw) * trend.rows.size() + c] = hitNow[c] ? -1 : running[c];
        }
    }
    return trend;
}

} // namespace vesk::omission
