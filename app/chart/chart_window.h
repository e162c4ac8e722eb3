#pragma once
// The chart feature's window ("Kelpo"): for the numbers handed in with
// WM_CHART_NUMBERS (wParam 100, lParam a ChartRecord*) it shows each
// distribution of chart_statistics.h as a bar chart on a tab of its own,
// with the count of numbers above, and exports the shown chart as a PNG
// picture ("导出图片", the file chosen through the interaction provider).
//
// The record is read during the message call only; the window keeps copies.
// Each new message replaces the numbers shown.

#include "app/chart/chart_statistics.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTabWidget;

namespace vesk::chart {

class ChartWindow final : public QWidget {
public:
    explicit ChartWindow(QWidget* parent = nullptr);

    // What the message handler does, callable directly: false (and nothing
    // changes) for a record CopyChartNumbers refuses.
    bool TakeNumbers(const ChartRecord* record);
    void Show(const ChartNumbers& numbers);

    const ChartStatistics& Statistics() const { return m_stats; }
    QTabWidget* Tabs() const { return m_tabs; }
    QString CountText() const;
    // Asks for a file and writes the shown chart there; false when cancelled
    // or not written (the user is told).
    bool ExportPicture();

protected:
    bool event(QEvent* event) override;

private:
    void Rebuild();

    ChartStatistics m_stats;
    std::size_t m_skipped = 0;
    QLabel* m_count = nullptr;
    QTabWidget* m_tabs = nullptr;
    QPushButton* m_export = nullptr;
};

} // namespace vesk::chart
