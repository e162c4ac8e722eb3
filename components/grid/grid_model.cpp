#include "components/grid/grid_model.h"

#include "components/grid/cell_format.h"

#include <QColor>

namespace vesk::grid {
namespace {

QColor FromColorRef(std::uint32_t color)
{
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

} // namespace

QString CellText(const CellValue& cell)
{
    switch (cell.kind) {
    case CellKind::Text:
        return QString::fromUtf8(cell.text.data(), static_cast<qsizetype>(cell.text.size()));
    case CellKind::Number: {
        const NumberText text = FormatCellNumber(cell.number, cell.padDigits);
        return QString::fromLatin1(text.chars, text.length);
    }
    case CellKind::Empty:
        break;
    }
    return {};
}

bool GridModel::Resize(std::int64_t rows, int columns)
{
    if (rows < 0 || rows > kMaxRows || columns < 0 || columns > kMaxColumns)
        return false;
    beginResetModel();
    const bool resized = m_table.Resize(rows, columns);
    endResetModel();
    return resized;
}

bool GridModel::SetTitle(int column, std::string title)
{
    ColumnLook* look = m_table.Look(column);
    if (!look)
        return false;
    look->title = std::move(title);
    emit headerDataChanged(Qt::Horizontal, column, column);
    return true;
}

bool GridModel::SetTag(int column, std::intptr_t tag)
{
    ColumnLook* look = m_table.Look(column);
    if (!look)
        return false;
    look->tag = tag;
    return true;
}

bool GridModel::SetColors(int column, std::uint32_t color, std::optional<std::uint32_t> background)
{
    ColumnLook* look = m_table.Look(column);
    if (!look)
        return false;
    look->color = color;
    look->background = background;
    if (rowCount() > 0)
        emit dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::ForegroundRole, Qt::BackgroundRole});
    return true;
}

void GridModel::CellsChanged()
{
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_table.RowCount());
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_table.ColumnCount();
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return CellText(m_table.Cell(index.row(), index.column()));
    case Qt::ForegroundRole:
        if (const auto& color = m_table.Look(index.column())->color)
            return FromColorRef(*color);
        return {};
    case Qt::BackgroundRole:
        if (const auto& background = m_table.Look(index.column())->background)
            return FromColorRef(*background);
        return {};
    default:
        return {};
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section >= 0 && section < rowCount() ? QVariant(section + 1) : QVariant();
    const ColumnLook* look = m_table.Look(section);
    return look ? QVariant(QString::fromStdString(look->title)) : QVariant();
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
}

} // namespace vesk::grid
