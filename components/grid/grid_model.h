#pragma once
// The item model over a GridTable. Changes of the table's shape reset the
// model. Cell writes go to the table without a signal each (a refill writes
// millions of them): the view shows them at its next repaint, and
// CellsChanged announces them all at once. Titles and colours announce
// themselves.

#include "components/grid/grid_table.h"

#include <QAbstractTableModel>

namespace vesk::grid {

class GridModel final : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Read-only access; changes go through the members below.
    const GridTable& Table() const { return m_table; }

    bool Resize(std::int64_t rows, int columns);
    bool SetText(std::int64_t row, int column, std::string_view text) { return m_table.SetText(row, column, text); }
    bool SetNumber(std::int64_t row, int column, std::int32_t value, int padDigits)
    {
        return m_table.SetNumber(row, column, value, padDigits);
    }
    bool SetTitle(int column, std::string title);
    bool SetTag(int column, std::intptr_t tag);
    // background: none keeps the grid's own.
    bool SetColors(int column, std::uint32_t color, std::optional<std::uint32_t> background);
    void CellsChanged();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    GridTable m_table;
};

// A cell as the view shows it.
QString CellText(const CellValue& cell);

} // namespace vesk::grid
