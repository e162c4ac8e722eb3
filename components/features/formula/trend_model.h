#pragma once
// The hit/miss trend of the banker/kill rules: one row per draw of the
// window (period and number), one column per rule. A table view paints only
// the cells in sight, so the whole history scrolls smoothly.

#include "components/features/analysis/formula/banker_rules.h"
#include "components/features/kit/history_draws.h"

#include <QAbstractTableModel>

#include <vector>

namespace vesk::formula {

class TrendModel final : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // checks: CheckRules over the last window draws of draws.
    void SetChecks(std::vector<analysis::RuleCheck> checks, const features::HistoryDraws& draws, int length);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    static constexpr int kLeadingColumns = 2; // period, number

private:
    std::vector<analysis::RuleCheck> m_checks;
    std::vector<QString> m_labels;
    std::vector<QString> m_periods;
    std::vector<QString> m_numbers;
};

} // namespace vesk::formula
