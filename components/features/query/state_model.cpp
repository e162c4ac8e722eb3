#include "components/features/query/state_model.h"

#include "components/features/kit/table_cells.h"

#include "components/features/analysis/figure.h"
#include "components/features/analysis/omission_table.h"
#include "components/features/analysis/value_labels.h"
#include "components/features/kit/table_export.h"
#include "components/features/query/query_frame.h"

#include <limits>

namespace vesk::query {

namespace {

bool IsCountColumn(std::size_t column)
{
    using T = filter::ConditionType;
    switch (analysis::kStateColumnList[column].type) {
    case T::Sum:
    case T::SumTail:
    case T::Span:
    case T::Repeat:
    case T::Adjacent: return true;
    default: return false;
    }
}

} // namespace

void StateModel::SetHistory(const features::HistoryDraws* draws, int length)
{
    beginResetModel();
    m_draws = draws;
    m_length = length;
    m_values = analysis::ComputeStateValues(draws->codes, length);
    for (std::size_t c = 0; c < analysis::kStateColumns; ++c) {
        filter::Condition condition;
        condition.type = analysis::kStateColumnList[c].type;
        const analysis::ValueLabels labels(condition, length);
        m_labels[c].clear();
        for (std::int64_t value : m_values.values[c])
            if (value != analysis::kNoValue && !m_labels[c].contains(value))
                m_labels[c].emplace(value, QString::fromStdString(labels.Text(value)));
    }
    m_window = analysis::WindowSize(m_last, draws->codes.size());
    endResetModel();
}

void StateModel::SetWindow(std::size_t last)
{
    beginResetModel();
    m_last = last;
    m_window = m_draws ? analysis::WindowSize(last, m_draws->codes.size()) : 0;
    endResetModel();
}

void StateModel::SetColumns(std::vector<std::size_t> columns)
{
    beginResetModel();
    m_columns = std::move(columns);
    endResetModel();
}

std::size_t StateModel::DrawOfRow(int row) const
{
    return m_draws->codes.size() - 1 - static_cast<std::size_t>(row);
}

std::optional<std::size_t> StateModel::ValueColumnOf(int column) const
{
    if (column < kStateFixedColumns || column >= columnCount())
        return std::nullopt;
    return m_columns[static_cast<std::size_t>(column - kStateFixedColumns)];
}

QString StateModel::ValueText(std::size_t valueColumn, std::int64_t value) const
{
    if (value == analysis::kNoValue)
        return QStringLiteral("—");
    const auto it = m_labels[valueColumn].find(value);
    return it == m_labels[valueColumn].end() ? QString::number(value) : it->second;
}

QStringList StateModel::Distribution(std::size_t valueColumn) const
{
    QStringList lines;
    if (!m_draws || valueColumn >= analysis::kStateColumns)
        return lines;
    const auto counts = analysis::ValueCounts(m_values.values[valueColumn], m_last);
    std::int64_t total = 0;
    for (const auto& [value, count] : counts)
        total += count;
    for (const auto& [value, count] : counts)
        lines << ValueText(valueColumn, value) + QLatin1Char('\t') + QString::number(count) + QLatin1Char('\t') +
                     QString::fromStdString(analysis::FormatFigure({count, total}, 1, 100)) + QLatin1Char('%');
    return lines;
}

int StateModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_window);
}

int StateModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kStateFixedColumns + static_cast<int>(m_columns.size());
}

QVariant StateModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !m_draws || index.row() >= rowCount())
        return {};
    const std::size_t draw = DrawOfRow(index.row());
    const std::optional<std::size_t> column = ValueColumnOf(index.column());
    if (role == Qt::DisplayRole) {
        if (index.column() == 0)
            return PeriodText(*m_draws, draw);
        if (index.column() == 1)
            return NumberText(m_draws->codes[draw], m_length);
        return ValueText(*column, m_values.values[*column][draw]);
    }
    // Counts and sums go to a workbook as numbers; ratios and shapes as shown.
    if (role == features::kExportNumberRole && column && IsCountColumn(*column) &&
        m_values.values[*column][draw] != analysis::kNoValue)
        return static_cast<qlonglong>(m_values.values[*column][draw]);
    if (role == features::kSortRole) {
        if (index.column() == 0)
            return static_cast<double>(draw);
        if (index.column() == 1)
            return NumberText(m_draws->codes[draw], m_length);
        const std::int64_t value = m_values.values[*column][draw];
        return value == analysis::kNoValue ? -std::numeric_limits<double>::infinity() : static_cast<double>(value);
    }
    if (role == Qt::TextAlignmentRole)
        return index.column() == 0 ? QVariant() : QVariant(Qt::AlignCenter);
    return {};
}

QVariant StateModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return QStringLiteral("期号");
    if (section == 1)
        return QStringLiteral("号码");
    const std::optional<std::size_t> column = ValueColumnOf(section);
    if (!column)
        return {};
    const std::string_view title = analysis::kStateColumnList[*column].title;
    return QString::fromUtf8(title.data(), static_cast<int>(title.size()));
}

} // namespace vesk::query
