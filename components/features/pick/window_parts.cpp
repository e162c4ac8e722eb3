#include "components/features/pick/window_parts.h"

#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>

namespace vesk::pick {

QSpinBox* MakeSpin(QWidget* parent, const QString& name, int low, int high)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(low, high);
    box->setKeyboardTracking(false);
    return box;
}

QTableView* MakeTable(QWidget* parent, const QString& name)
{
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setVisible(false);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return view;
}

} // namespace vesk::pick
