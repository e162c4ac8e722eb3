#include "app/chart/bar_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QValueAxis>

#include <algorithm>

namespace vesk::chart {

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
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);
    auto* values = new QValueAxis;
    // Room above the tallest bar for its label; whole numbers only.
    values->setRange(0, std::max(1, highest + std::max(1, highest / 8)));
    values->setLabelFormat(QStringLiteral("%d"));
    values->applyNiceNumbers();
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);

    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

} // namespace vesk::chart
