#pragma once
// The cells of every feature table: read-only, sorted by kSortRole (a
// figure by its exact value, a text by its text) and exported through
// kExportNumberRole (a figure as its exact number).

#include "components/features/analysis/figure.h"

#include <QStandardItem>
#include <QString>

#include <cstdint>
#include <span>

class QStandardItemModel;

namespace vesk::features {

inline constexpr int kSortRole = Qt::UserRole + 1;

QStandardItem* TextCell(const QString& text);
// A figure shown as text, right-aligned, sorted and exported by exact.
QStandardItem* NumberCell(const QString& text, double exact);
QStandardItem* NumberCell(std::int64_t value);
// A figure cell without a figure ("—"): sorts below every figure, exports
// as its text.
QStandardItem* NoFigureCell(const QString& text = QStringLiteral("—"));

// A rate as a percentage: "27.1%".
QString PercentText(const analysis::Figure& figure, int decimals = 1);
// A rate's cell: its percentage, sorted and exported by its exact value.
QStandardItem* PercentCell(const analysis::Figure& figure, int decimals = 1);

// An empty table model with these column titles.
QStandardItemModel* MakeTableModel(QObject* parent, std::span<const char* const> titles);

} // namespace vesk::features
