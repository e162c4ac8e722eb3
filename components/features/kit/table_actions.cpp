#include "components/features/kit/table_actions.h"

#include "components/features/kit/table_cells.h"
#include "components/features/kit/table_export.h"

#include <QAbstractProxyModel>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSortFilterProxyModel>
#include <QTableView>

#include <algorithm>
#include <memory>

namespace vesk::features {

namespace {

// Columns of figures start descending: the header asks the model for the
// first order of a column it has not sorted by yet.
class FigureSortProxy final : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role == Qt::InitialSortOrderRole && orientation == Qt::Horizontal && sourceModel()) {
            const QAbstractItemModel* source = sourceModel();
            for (int row = 0; row < source->rowCount(); ++row) {
                const QVariant value = source->data(source->index(row, section), kSortRole);
                if (!value.isValid())
                    continue;
                const bool figure = value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Int ||
                                    value.typeId() == QMetaType::LongLong;
                return static_cast<int>(figure ? Qt::DescendingOrder : Qt::AscendingOrder);
            }
        }
        return QSortFilterProxyModel::headerData(section, orientation, role);
    }
};

QModelIndex ToSource(const QAbstractItemModel* model, QModelIndex index)
{
    while (const auto* proxy = qobject_cast<const QAbstractProxyModel*>(model)) {
        index = proxy->mapToSource(index);
        model = proxy->sourceModel();
    }
    return index;
}

std::vector<int> SelectedViewRows(const QTableView* view)
{
    std::vector<int> rows;
    if (!view->selectionModel())
        return rows;
    for (const QModelIndex& index : view->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace

QSortFilterProxyModel* MakeSortable(QTableView* view, QAbstractItemModel* source)
{
    auto* proxy = new FigureSortProxy(view);
    proxy->setSourceModel(source);
    proxy->setSortRole(kSortRole);
    proxy->setDynamicSortFilter(true);
    view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    view->setModel(proxy);
    view->setSortingEnabled(true);
    view->horizontalHeader()->setSortIndicatorShown(true);
    // A refill that clears and adds the columns again moves the header's
    // mark off the column the proxy still sorts by: put it back.
    QObject::connect(proxy, &QAbstractItemModel::columnsInserted, view, [view, proxy] {
        if (view->horizontalHeader()->sortIndicatorSection() != proxy->sortColumn())
            view->horizontalHeader()->setSortIndicator(proxy->sortColumn(), proxy->sortOrder());
    });
    return proxy;
}

std::vector<int> SelectedSourceRows(const QTableView* view)
{
    std::vector<int> rows;
    for (int row : SelectedViewRows(view))
        rows.push_back(ToSource(view->model(), view->model()->index(row, 0)).row());
    return rows;
}

QString SelectedRowsText(const QTableView* view)
{
    const QAbstractItemModel* model = view->model();
    if (!model)
        return {};
    std::vector<int> rows = SelectedViewRows(view);
    if (rows.empty()) {
        rows.resize(static_cast<std::size_t>(model->rowCount()));
        for (std::size_t r = 0; r < rows.size(); ++r)
            rows[r] = static_cast<int>(r);
    }
    return QString::fromStdString(RowsText(*model, rows));
}

void AddTableMenu(QTableView* view, TableMenu menu)
{
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* copy = new QAction(QStringLiteral("复制"), view);
    copy->setObjectName(QStringLiteral("copyRows"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(copy, &QAction::triggered, view,
                     [view] {
                         // The clipboard outlives this library: a text that still points
                         // at its constant strings would be read after it is unloaded.
                         const QString text = SelectedRowsText(view);
                         QGuiApplication::clipboard()->setText(QString(text.constData(), text.size()));
                     });
    view->addAction(copy);

    if (!menu.exportName.empty()) {
        auto* exportRows = new QAction(QStringLiteral("导出…"), view);
        exportRows->setObjectName(QStringLiteral("exportRows"));
        QObject::connect(exportRows, &QAction::triggered, view, [view, name = menu.exportName] {
            if (view->model())
                AskExportModel(view, *view->model(), name);
        });
        view->addAction(exportRows);
    }
    if (menu.numbersOf && menu.send) {
        auto* send = new QAction(QStringLiteral("发送到缩水器"), view);
        send->setObjectName(QStringLiteral("sendRows"));
        send->setToolTip(QStringLiteral("把选中行的号码交给组号缩水的结果列表"));
        QObject::connect(send, &QAction::triggered, view, [view, numbersOf = menu.numbersOf, sendTo = menu.send] {
            const std::vector<int> rows = SelectedSourceRows(view);
            if (rows.empty())
                return;
            const std::vector<std::uint32_t> numbers = numbersOf(rows);
            if (!numbers.empty())
                sendTo(numbers);
        });
        view->addAction(send);
    }
    int n = 0;
    for (auto& [text, act] : menu.more) {
        auto* action = new QAction(text, view);
        action->setObjectName(QStringLiteral("more%1").arg(n++));
        QObject::connect(action, &QAction::triggered, view, act);
        view->addAction(action);
    }
}

} // namespace vesk::features
