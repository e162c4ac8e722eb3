#pragma once
// 状态表's rows as an item model: one row per draw of the history window,
// newest first; columns 期号, 号码 and the shown value columns. Cells are
// made when the view asks for them, so a view of the whole history costs
// only the rows on screen.

#include "components/features/analysis/query/state_table.h"
#include "components/features/kit/history_draws.h"

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <cstddef>
#include <map>
#include <vector>

namespace vesk::query {

inline constexpr int kStateFixedColumns = 2; // 期号, 号码

class StateModel final : public QAbstractTableModel {
public:
    // draws must outlive the model's use of it (the window holds both).
    void SetHistory(const features::HistoryDraws* draws, int length);
    void SetWindow(std::size_t last);
    // Value columns by index of analysis::kStateColumnList, in order.
    void SetColumns(std::vector<std::size_t> columns);
    const std::vector<std::size_t>& Columns() const { return m_columns; }

    // The draw a row shows (index into the history, oldest 0).
    std::size_t DrawOfRow(int row) const;
    // The list column a view column shows; nothing for 期号 and 号码.
    std::optional<std::size_t> ValueColumnOf(int column) const;
    // Lines of the value distribution over the window: "值\t次数\t占比".
    QStringList Distribution(std::size_t valueColumn) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString ValueText(std::size_t valueColumn, std::int64_t value) const;

    const features::HistoryDraws* m_draws = nullptr;
    int m_length = 3;
    std::size_t m_window = 0; // n
    std::size_t m_last = 0;   // N as picked
    analysis::StateValues m_values;
    // Each column's labels, made once per history: a cell is a look-up.
    std::array<std::map<std::int64_t, QString>, analysis::kStateColumns> m_labels;
    std::vector<std::size_t> m_columns;
};

} // namespace vesk::query
