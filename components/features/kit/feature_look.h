#pragma once
// What makes a feature window look like the others: its pale background,
// its title and the texts of draws in its tables.

#include "components/features/kit/history_draws.h"

#include <QString>

#include <cstddef>
#include <cstdint>

class QBoxLayout;
class QLabel;
class QWidget;

namespace vesk::features {

// The feature windows' pale background, filled by the widget itself.
void PaintFeatureBackground(QWidget* window);

// The window's title: bold, a little larger, named "featureTitle".
QLabel* MakeFeatureTitle(const QString& text, QWidget* parent);

// The title with the statement of where the data ends (a label named
// "dataEnd") just under it, so that a stale history is seen at a glance
// without taking width from the controls beside the title.
QBoxLayout* TitleLine(QLabel* title, QWidget* parent);
// Sets every such label of the window to the draws' end.
void ShowDataEnd(QWidget* window, const HistoryDraws& draws);

// The line a window shows instead of its content when there are no draws
// (centred, wrapped, named "missingHistory"); its text is set by the window.
QLabel* MakeMissingHistoryLabel(QWidget* parent);

// The period of draw i ("第i+1期" when the file gave none).
QString PeriodText(const HistoryDraws& draws, std::size_t i);
// A number's digits with leading zeros.
QString NumberText(std::uint32_t code, int length);

} // namespace vesk::features
