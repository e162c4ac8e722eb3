#include "app/chart/bar_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QValueAxis>

#include <algorithm>

namespace vesk::chart {

CountScale ScaleFor(int highest)
{
    const int wanted = std::max(1, highest + std::max(1, highest / 8));
    // Steps 1, 2, 5, 10, 20, 50, ...: the first that needs at most ten.
    int step = 1;
    for (int base = 1; base <= wanted; base *= 10) {
        step = 0;
        for (const int m : {1, 2, 5}) {
            if (wanted <= m * base * 10) {
                step = m * base;
                break;
            }
        }
        if (step)
            break;
    }
    step = std::max(step, 1);
    return {(wanted + step - 1) / step * step, step};
}

QWidget* MakeBarChart(const Distribution& distribution, std::size_t numberCount, QWidget* parent)
{
    auto* series = new QBarSeries;
    int highest = 0;
    for (std::size_t s = 0; s < distribution.series.size(); ++s) {
        auto* set = new QBarSet(QString::fromStdString(distribution.series[s]));
        set->setLabelColor(Qt::black);
        for (const int count : distribution.counts[s]) {
            *set << count;
            highest = std::max(highest, count);
        }
        series->append(set);
    }
    // Counts on the bars only where they stay readable.
    series->setLabelsVisible(distribution.categories.size() * distribution.series.size() <= 40);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);

    auto* chart = new QChart;
    chart->addSeries(series);
    chart->setTitle(QStringLiteral("%1分布（共 %2 个号码）").arg(QString::fromStdString(distribution.title)).arg(numberCount));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setVisible(distribution.series.size() > 1);
    chart->legend()->setAlignment(Qt::AlignBottom);

    auto* categories = new QBarCategoryAxis;
    for (const std::string& category : distribution.categories)
        categories->append(QString::fromStdString(category));
    // Many categories (the sums) get narrow columns: small upright labels stay whole.
    if (distribution.categories.size() > 20) {
        QFont small = categories->labelsFont();
        small.setPointSizeF(7);
        categories->setLabelsFont(small);
        categories->setLabelsAngle(-90);
    }
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);
    auto* values = new QValueAxis;
    // Whole-number ticks, with room above the tallest bar for its label.
    const CountScale scale = ScaleFor(highest);
    values->setRange(0, scale.top);
    values->setTickCount(scale.top / scale.step + 1);
    values->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);

    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

} // namespace vesk::chart
