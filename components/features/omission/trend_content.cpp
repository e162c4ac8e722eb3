#include "components/features/omission/trend_content.h"

#include "components/features/analysis/figure.h"

namespace vesk::omission {

TrendContent MakeTrendContent(const analysis::Family& family, const analysis::OmissionTable& table,
                              const std::vector<std::size_t>& columns, const std::vector<std::uint32_t>& draws,
                              const std::vector<std::string>& periods)
{
    TrendContent content;
    content.blocks = MakeTrendBlocks(family, table, columns);
    content.data = MakeTrend(family, table, columns, draws);
    for (std::size_t r : content.data.rows)
        content.titles << QString::fromStdString(family.Items()[table.rows[r].item].title);
    content.periods.reserve(static_cast<qsizetype>(content.data.draws));
    content.numbers.reserve(static_cast<qsizetype>(content.data.draws));
    for (std::size_t i = content.data.firstDraw; i < draws.size(); ++i) {
        content.periods << (i < periods.size() ? QString::fromStdString(periods[i]) : QString());
        content.numbers << QStringLiteral("%1").arg(draws[i], family.Length(), 10, QLatin1Char('0'));
    }
    content.summary.resize(4);
    for (std::size_t r : content.data.rows) {
        const analysis::OmissionRow& row = table.rows[r];
        content.summary[0] << QString::number(row.hits);
        content.summary[1] << QString::fromStdString(analysis::FormatFigure(row.average, 2));
        content.summary[2] << QString::number(row.maximum);
        content.summary[3] << QString::number(row.maxRun);
    }
    return content;
}

} // namespace vesk::omission
