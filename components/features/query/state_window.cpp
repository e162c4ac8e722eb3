#include "components/features/query/state_window.h"

#include "components/features/kit/feature_table.h"
#include "components/features/kit/table_actions.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QCursor>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>
#include <QWidgetAction>

#include <set>

namespace vesk::query {

StateWindow::StateWindow(QWidget* parent) : QueryFrame(QStringLiteral("stateWindow"), QStringLiteral("状态表"), parent)
{
    Bar()->addStretch();
    auto* arrange = new QPushButton(QStringLiteral("列设置"), this);
    arrange->setObjectName(QStringLiteral("arrangeColumns"));
    arrange->setToolTip(QStringLiteral("选择显示哪些列及其顺序"));
    connect(arrange, &QPushButton::clicked, this, [this] {
        if (arrangeColumns)
            arrangeColumns();
    });
    Bar()->addWidget(arrange);
    AddExportButton(QStringLiteral("导出"), QStringLiteral("exportState"), &m_model, "状态表");
    auto* handOff = new features::HandOffChoice(QStringLiteral("stateWindow"), this);
    Bar()->addWidget(handOff);
    auto* send = new QPushButton(QStringLiteral("发送到缩水器"), this);
    send->setObjectName(QStringLiteral("sendNumbers"));
    send->setToolTip(QStringLiteral("把选中各期的开奖号码交给缩水器的结果列表"));
    connect(send, &QPushButton::clicked, this, [this, handOff] {
        if (sendNumbers)
            sendNumbers(SelectedNumbers(), handOff->Mode());
    });
    Bar()->addWidget(send);

    m_table = features::MakeFeatureTable(this, QStringLiteral("stateTable"));
    features::MakeSortable(m_table, &m_model);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Fixed sizes keep the view from measuring every row of the history.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    m_table->horizontalHeader()->setToolTip(QStringLiteral("单击列标题排序；右键单击列标题查看该列在统计期内的分布"));
    connect(m_table->horizontalHeader(), &QHeaderView::customContextMenuRequested, this, [this](const QPoint& at) {
        QHeaderView* header = m_table->horizontalHeader();
        if (QMenu* menu = DistributionMenu(header->logicalIndexAt(at))) {
            menu->exec(header->mapToGlobal(at));
            delete menu;
        }
    });
    SetContent(m_table);
    const auto sendRows = [this](const std::vector<std::uint32_t>& numbers) {
        if (sendNumbers)
            sendNumbers(numbers, features::ChosenHandOffMode(this));
    };
    features::AddTableMenu(
        m_table, {"状态表", [this](const std::vector<int>&) { return SelectedNumbers(); }, sendRows,
                  {{QStringLiteral("本列的分布…"),
                    [this] {
                        // The column right-clicked (the current cell's), else the first value column.
                        const int section = m_table->currentIndex().isValid() ? m_table->currentIndex().column()
                                                                              : kStateFixedColumns;
                        if (QMenu* menu = DistributionMenu(section)) {
                            menu->exec(QCursor::pos());
                            delete menu;
                        }
                    }},
                   {QStringLiteral("列设置…"), [this] {
                        if (arrangeColumns)
                            arrangeColumns();
                    }}}});
}

void StateWindow::SetColumns(std::vector<std::size_t> columns)
{
    m_model.SetColumns(std::move(columns));
    m_table->resizeColumnsToContents();
}

void StateWindow::Refill()
{
    m_model.SetWindow(Last());
    m_model.SetHistory(&Draws(), Length());
    m_table->resizeColumnsToContents();
}

std::vector<std::uint32_t> StateWindow::SelectedNumbers() const
{
    std::set<int> rows;
    const auto* proxy = static_cast<const QSortFilterProxyModel*>(m_table->model());
    for (const QModelIndex& index : m_table->selectionModel()->selectedIndexes())
        rows.insert(proxy->mapToSource(index).row());
    std::vector<std::uint32_t> numbers;
    for (int row : rows)
        numbers.push_back(Draws().codes[m_model.DrawOfRow(row)]);
    return numbers;
}

QMenu* StateWindow::DistributionMenu(int section)
{
    const std::optional<std::size_t> column = m_model.ValueColumnOf(section);
    if (!column)
        return nullptr;
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("distributionMenu"));
    const QString title = m_model.headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
    menu->addSection(QStringLiteral("%1 最近%2期的分布").arg(title).arg(m_model.rowCount()));
    for (const QString& line : m_model.Distribution(*column)) {
        const QStringList parts = line.split(QLatin1Char('\t'));
        // Enabled, so the figures read in full colour; choosing one does nothing.
        menu->addAction(QStringLiteral("%1：%2次（%3）").arg(parts[0], parts[1], parts[2]));
    }
    return menu;
}

} // namespace vesk::query
