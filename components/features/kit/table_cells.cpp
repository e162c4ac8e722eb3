#include "components/features/kit/table_cells.h"

#include "components/features/kit/table_export.h"

#include <QStandardItemModel>

#include <limits>

namespace vesk::features {

QStandardItem* TextCell(const QString& text)
{
    auto* item = new QStandardItem(text);
    item->setEditable(false);
    item->setData(text, kSortRole);
    return item;
}

QStandardItem* NumberCell(const QString& text, double exact)
{
    auto* item = new QStandardItem(text);
    item->setEditable(false);
    item->setData(exact, kSortRole);
    item->setData(exact, kExportNumberRole);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QStandardItem* NumberCell(std::int64_t value)
{
    return NumberCell(QString::number(value), static_cast<double>(value));
}

QStandardItem* NoFigureCell(const QString& text)
{
    auto* item = new QStandardItem(text);
    item->setEditable(false);
    item->setData(-std::numeric_limits<double>::infinity(), kSortRole);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QString PercentText(const analysis::Figure& figure, int decimals)
{
    return QString::fromStdString(analysis::FormatFigure(figure, decimals, 100)) + QLatin1Char('%');
}

QStandardItem* PercentCell(const analysis::Figure& figure, int decimals)
{
    return NumberCell(PercentText(figure, decimals), figure.Value());
}

QStandardItemModel* MakeTableModel(QObject* parent, std::span<const char* const> titles)
{
    auto* model = new QStandardItemModel(parent);
    QStringList labels;
    for (const char* title : titles)
        labels << QString::fromUtf8(title);
    model->setHorizontalHeaderLabels(labels);
    return model;
}

} // namespace vesk::features
