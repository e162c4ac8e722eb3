#pragma once
// The 走势图: one painted, virtualised view. Two header rows (the blocks,
// then each column's short label), the period and number columns at the
// left and the four summary rows at the bottom stay on screen while the draws
// scroll between them; only the cells in view are painted (VisibleCells).
// A hit is a ball in its block's colour with the item's short label; a
// linked block joins its balls from draw to draw with a trend line.

#include "components/features/omission/cell_stamps.h"
#include "components/features/omission/trend_blocks.h"
#include "components/features/omission/trend_data.h"
#include "components/features/omission/trend_layout.h"

#include <QAbstractScrollArea>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace vesk::omission {

struct TrendContent {
    TrendData data;
    TrendBlocks blocks;
    QStringList titles;  // each column's full title (tooltips)
    QStringList periods; // one per draw row
    QStringList numbers;
    std::vector<QStringList> summary; // 出现次数, 平均遗漏, 最大遗漏, 最大连出: one text per column
};

class TrendView final : public QAbstractScrollArea {
public:
    explicit TrendView(QWidget* parent = nullptr);

    void SetContent(TrendContent content);
    void SetShowMisses(bool show);
    bool ShowsMisses() const { return m_showMisses; }
    void SetShowLines(bool show);
    bool ShowsLines() const { return m_showLines; }
    // Scrolls so the newest draws are in view; they stay in view through
    // resizes until the user scrolls away from them.
    void ScrollToNewest();

    // Columns picked by clicks on the column heads (Ctrl adds or removes
    // one, Shift takes the run from the last click; a block's head picks
    // the block). Setting them does not call selectionChanged.
    void SetSelectedColumns(std::vector<int> columns);
    const std::vector<int>& SelectedColumns() const { return m_selectedColumns; }
    std::function<void(const std::vector<int>&)> selectionChanged;

    const TrendGeometry& Geometry() const { return m_geometry; }
    const TrendContent& Content() const { return m_content; }
    int HeaderHeight() const { return m_headerHeight; }
    int SummaryHeight() const;
    int LeftWidth() const { return m_leftWidth; }
    // The centre of a body cell in viewport coordinates, as scrolled now.
    QPoint CellCenter(int draw, int column) const;
    // The body cells the last paint drew (for tests of the virtualisation).
    const CellRange& LastPainted() const { return m_lastPainted; }

    // Draw rows [firstRow, endRow) as one picture with the header on top and,
    // when asked, the summary rows below.
    QImage RenderRows(int firstRow, int endRow, bool withSummary) const;
    // The picture's rows of the whole window of draws (PictureRows), for
    // pictures of at most maxHeight.
    std::vector<RowSpan> PictureSpans(int maxHeight = kMaxPictureHeight) const;
    // Paints rows [firstRow, endRow) on painter at its origin with the
    // header, the summary when asked; for printing at any scale (the cells'
    // stamps made for pixelRatio device pixels a chart pixel).
    void PaintRows(QPainter& painter, int firstRow, int endRow, bool withSummary, qreal pixelRatio = 1) const;
    // Height of that picture.
    int RowsHeight(int firstRow, int endRow, bool withSummary) const;
    int FullWidth() const { return m_leftWidth + m_geometry.columns * m_geometry.columnWidth; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void UpdateScrollBars();
    int BodyViewHeight() const;
    int ColumnAt(int x) const;
    CellStamps MakeStamps(qreal pixelRatio) const;
    // Returns the body cells it painted.
    CellRange Paint(QPainter& painter, CellStamps& stamps, int scrollX, int scrollY, int width, int height,
                    bool withSummary) const;
    void PaintBody(QPainter& painter, CellStamps& stamps, const CellRange& cells, int scrollX, int scrollY, int bodyWidth,
                   int bodyHeight) const;
    void PaintHeader(QPainter& painter, const CellRange& cells, int scrollX, int width) const;
    void PaintSummary(QPainter& painter, const CellRange& cells, int scrollX, int top, int width) const;

    TrendContent m_content;
    std::vector<bool> m_selected; // per column
    std::vector<int> m_selectedColumns;
    int m_anchor = -1;
    TrendGeometry m_geometry;
    bool m_showMisses = true;
    bool m_showLines = true;
    bool m_followNewest = true;
    int m_leftWidth = 130;
    int m_periodWidth = 70;
    int m_headerHeight = 44;
    QFont m_textFont;
    QFont m_ballFont;
    CellRange m_lastPainted;
    std::unique_ptr<CellStamps> m_stamps; // the screen's; pictures make their own
};

} // namespace vesk::omission
