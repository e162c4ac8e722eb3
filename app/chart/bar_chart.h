#pragma once
// One distribution as a Qt Charts bar chart: a bar set per series, the
// categories along the axis, the counts up the value axis, and the number
// count in the title.

#include "app/chart/chart_statistics.h"

class QWidget;

namespace vesk::chart {

// The value axis: top a multiple of step, at most ten steps, above highest
// with room for the bar labels.
struct CountScale {
    int top = 1;
    int step = 1;
};
CountScale ScaleFor(int highest);

// A chart view (a QChartView) owned by parent.
QWidget* MakeBarChart(const Distribution& distribution, std::size_t numberCount, QWidget* parent);

} // namespace vesk::chart
