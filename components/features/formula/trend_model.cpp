#include "components/features/formula/trend_model.h"

#include "components/features/kit/feature_look.h"

#include <QBrush>
#include <QColor>

namespace vesk::formula {

void TrendModel::SetChecks(std::vector<analysis::RuleCheck> checks, const features::HistoryDraws& draws, int length)
{
    beginResetModel();
    m_checks = std::move(checks);
    m_labels.clear();
    for (const analysis::RuleCheck& check : m_checks)
        m_labels.push_back(QString::fromStdString(analysis::RuleLabel(check.rule, length)));
    const std::size_t window = m_checks.empty() ? 0 : m_checks.front().outcomes.size();
    const std::size_t start = draws.codes.size() - std::min(window, draws.codes.size());
    m_periods.clear();
    m_numbers.clear();
    for (std::size_t t = start; t < draws.codes.size(); ++t) {
        m_periods.push_back(features::PeriodText(draws, t));
        m_numbers.push_back(features::NumberText(draws.codes[t], length));
    }
    endResetModel();
}

int TrendModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_periods.size());
}

int TrendModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kLeadingColumns + static_cast<int>(m_checks.size());
}

QVariant TrendModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    if (index.column() < kLeadingColumns) {
        if (role == Qt::DisplayRole)
            return index.column() == 0 ? m_periods[row] : m_numbers[row];
        return {};
    }
    const auto rule = static_cast<std::size_t>(index.column() - kLeadingColumns);
    if (rule >= m_checks.size() || row >= m_checks[rule].outcomes.size())
        return {};
    const std::int8_t outcome = m_checks[rule].outcomes[row];
    switch (role) {
    case Qt::DisplayRole:
        return outcome < 0 ? QString() : outcome ? QStringLiteral("中") : QStringLiteral("×");
    case Qt::BackgroundRole:
        if (outcome < 0)
            return {};
        return QBrush(outcome ? QColor(198, 239, 206) : QColor(255, 228, 228));
    case Qt::ForegroundRole:
        return QBrush(outcome > 0 ? QColor(0, 97, 0) : QColor(156, 0, 6));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignCenter);
    case Qt::ToolTipRole:
        return outcome < 0 ? QStringLiteral("之前的开奖不够，这一期不计") : QVariant();
    default:
        return {};
    }
}

QVariant TrendModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0)
        return {};
    if (section == 0)
        return QStringLiteral("期号");
    if (section == 1)
        return QStringLiteral("开奖号");
    const auto rule = static_cast<std::size_t>(section - kLeadingColumns);
    return rule < m_labels.size() ? m_labels[rule] : QVariant();
}

} // namespace vesk::formula
