#pragma once
// Pieces every smart-pick page builds the same way.

#include <QString>

class QSpinBox;
class QTableView;
class QWidget;

namespace vesk::pick {

// A spin box that reports only finished edits.
QSpinBox* MakeSpin(QWidget* parent, const QString& name, int low, int high);
// A read-only table view with compact rows and stretched columns.
QTableView* MakeTable(QWidget* parent, const QString& name);

} // namespace vesk::pick
