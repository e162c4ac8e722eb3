#pragma once
// The read-only table every feature window shows its figures in: whole rows
// selected, no editing, no row numbers, rows as tall as a line of text.

#include <QString>

class QTableView;
class QWidget;

namespace vesk::features {

QTableView* MakeFeatureTable(QWidget* parent, const QString& objectName);

} // namespace vesk::features
