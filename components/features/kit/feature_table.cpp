#include "components/features/kit/feature_table.h"

#include <QHeaderView>
#include <QTableView>

namespace vesk::features {

QTableView* MakeFeatureTable(QWidget* parent, const QString& objectName)
{
    auto* table = new QTableView(parent);
    table->setObjectName(objectName);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setAlternatingRowColors(true);
    table->horizontalHeader()->setHighlightSections(false);
    return table;
}

} // namespace vesk::features
