#pragma once
// What every feature table does beyond showing: it sorts by a click on its
// header (a column of figures descends on the first click, since users look
// for the largest count or omission first; ties keep the table's own order)
// and keeps that sort when it is filled again; its context menu copies the
// selected rows (Ctrl+C, tab-separated with the titles), exports the table
// as shown and, for tables whose rows stand for numbers, sends their numbers
// to the workbench.

#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class QAbstractItemModel;
class QSortFilterProxyModel;
class QTableView;

namespace vesk::features {

// Shows source in view through a proxy sorted by kSortRole; no sort until
// the user clicks a header. The proxy belongs to the view.
QSortFilterProxyModel* MakeSortable(QTableView* view, QAbstractItemModel* source);

struct TableMenu {
    std::string exportName;                                              // "" offers no 导出
    std::function<std::vector<std::uint32_t>(const std::vector<int>&)> numbersOf; // of source rows
    std::function<void(const std::vector<std::uint32_t>&)> send;         // with numbersOf: 发送到缩水器
    std::vector<std::pair<QString, std::function<void()>>> more;         // entries after these
};

// Gives view its context menu (actions named copyRows, exportRows, sendRows
// and more0, more1, ...).
void AddTableMenu(QTableView* view, TableMenu menu);

// The selected rows as rows of the source model, in the order shown.
std::vector<int> SelectedSourceRows(const QTableView* view);
// The titles and the selected rows as shown (every row when none is
// selected), tab-separated.
QString SelectedRowsText(const QTableView* view);

} // namespace vesk::features
