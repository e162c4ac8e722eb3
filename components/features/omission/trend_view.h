#pragma once
// The 分布图: one painted, virtualised view. The item titles stay at the top
// and the period and number at the left while the body scrolls; only the
// cells in the exposed rectangle are painted (VisibleCells).

#include "components/features/omission/trend_data.h"
#include "components/features/omission/trend_layout.h"

#include <QAbstractScrollArea>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace vesk::omission {

class TrendView final : public QAbstractScrollArea {
public:
    explicit TrendView(QWidget* parent = nullptr);

    // titles: one per column; periods and numbers: one per draw row;
    // summary: four rows (出现次数, 平均遗漏, 最大遗漏, 最大连出) of column texts.
    void SetData(TrendData data, QStringList titles, QStringList periods, QStringList numbers,
                 std::vector<QStringList> summary, int selectedColumn = -1);
    void SetShowMisses(bool show);
    bool ShowsMisses() const { return m_showMisses; }
    // Scrolls so the newest draws are in view, as the chart opens.
    void ScrollToNewest();

    const TrendGeometry& Geometry() const { return m_geometry; }
    // The body cells the last paint drew (for tests of the virtualisation).
    const CellRange& LastPainted() const { return m_lastPainted; }
    // The whole chart drawn into an image, for export.
    QImage Render() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateScrollBars();
    void Paint(QPainter& painter, int scrollX, int scrollY, int width, int height) const;

    TrendData m_data;
    QStringList m_titles;
    QStringList m_periods;
    QStringList m_numbers;
    std::vector<QStringList> m_summary;
    QStringList m_short; // the titles without the prefix they all share, for hit cells
    int m_selected = -1;
    TrendGeometry m_geometry;
    bool m_showMisses = true;
    int m_leftWidth = 130;
    int m_headerHeight = 24;
    mutable CellRange m_lastPainted;
};

} // namespace vesk::omission
