#include "components/features/omission/trend_view.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace vesk::omission {

namespace {

const char* const kSummaryTitles[] = {"出现次数", "平均遗漏", "最大遗漏", "最大连出"};

const QColor kHit(196, 30, 58);
const QColor kMiss(150, 150, 150);
const QColor kGrid(226, 230, 236);
const QColor kHeader(240, 243, 248);
const QColor kSummary(250, 246, 232);

} // namespace

TrendView::TrendView(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("trendChart"));
    viewport()->setAutoFillBackground(false);
}

void TrendView::SetData(TrendData data, QStringList titles, QStringList periods, QStringList numbers,
                        std::vector<QStringList> summary, int selectedColumn)
{
    m_selected = selectedColumn;
    // 和值0 ... 和值27 hit as 0 ... 27: the column title says the rest.
    qsizetype common = titles.size() > 1 ? titles.front().size() : 0;
    for (const QString& title : titles) {
        qsizetype i = 0;
        while (i < common && i < title.size() && title[i] == titles.front()[i])
            ++i;
        common = i;
    }
    m_short.clear();
    for (const QString& title : titles)
        m_short << (title.size() > common ? title.mid(common) : title);
    m_data = std::move(data);
    m_titles = std::move(titles);
    m_periods = std::move(periods);
    m_numbers = std::move(numbers);
    m_summary = std::move(summary);
    m_geometry.columns = static_cast<int>(m_data.rows.size());
    m_geometry.rows = static_cast<int>(m_data.draws + m_summary.size());
    // Columns wide enough for the longest title.
    const QFontMetrics metrics(font());
    int width = 30;
    for (const QString& title : m_titles)
        width = std::max(width, metrics.horizontalAdvance(title) + 8);
    for (const QStringList& row : m_summary)
        for (const QString& text : row)
            width = std::max(width, metrics.horizontalAdvance(text) + 8);
    m_geometry.columnWidth = std::min(width, 90);
    m_geometry.rowHeight = metrics.height() + 4;
    m_headerHeight = m_geometry.rowHeight + 6;
    UpdateScrollBars();
    viewport()->update();
}

void TrendView::SetShowMisses(bool show)
{
    m_showMisses = show;
    viewport()->update();
}

void TrendView::ScrollToNewest()
{
    UpdateScrollBars();
    // The newest draw at the bottom of the view, the summary rows below it.
    const int newestBottom = static_cast<int>(m_data.draws) * m_geometry.rowHeight;
    const int bodyHeight = viewport()->height() - m_headerHeight;
    verticalScrollBar()->setValue(std::max(0, newestBottom - bodyHeight + static_cast<int>(m_summary.size()) * m_geometry.rowHeight));
}

void TrendView::UpdateScrollBars()
{
    const int bodyWidth = m_geometry.columns * m_geometry.columnWidth;
    const int bodyHeight = m_geometry.rows * m_geometry.rowHeight;
    const int viewWidth = std::max(0, viewport()->width() - m_leftWidth);
    const int viewHeight = std::max(0, viewport()->height() - m_headerHeight);
    horizontalScrollBar()->setRange(0, std::max(0, bodyWidth - viewWidth));
    horizontalScrollBar()->setPageStep(viewWidth);
    horizontalScrollBar()->setSingleStep(m_geometry.columnWidth);
    verticalScrollBar()->setRange(0, std::max(0, bodyHeight - viewHeight));
    verticalScrollBar()->setPageStep(viewHeight);
    verticalScrollBar()->setSingleStep(m_geometry.rowHeight);
}

void TrendView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void TrendView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    Paint(painter, horizontalScrollBar()->value(), verticalScrollBar()->value(), viewport()->width(), viewport()->height());
}

void TrendView::Paint(QPainter& painter, int scrollX, int scrollY, int width, int height) const
{
    painter.fillRect(0, 0, width, height, Qt::white);
    const TrendGeometry& g = m_geometry;
    const int bodyWidth = width - m_leftWidth;
    const int bodyHeight = height - m_headerHeight;
    const CellRange cells = VisibleCells(g, scrollX, scrollY, bodyWidth, bodyHeight);
    m_lastPainted = cells;
    const int draws = static_cast<int>(m_data.draws);

    // Body.
    painter.save();
    painter.setClipRect(m_leftWidth, m_headerHeight, bodyWidth, bodyHeight);
    QFont bold = painter.font();
    bold.setBold(true);
    for (int r = cells.firstRow; r < cells.endRow; ++r) {
        const int y = m_headerHeight + r * g.rowHeight - scrollY;
        const bool summary = r >= draws;
        if (summary)
            painter.fillRect(m_leftWidth, y, bodyWidth, g.rowHeight, kSummary);
        for (int c = cells.firstColumn; c < cells.endColumn; ++c) {
            const QRect cell(m_leftWidth + c * g.columnWidth - scrollX, y, g.columnWidth, g.rowHeight);
            painter.setPen(kGrid);
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
            if (summary) {
                painter.setPen(Qt::black);
                painter.drawText(cell, Qt::AlignCenter, m_summary[static_cast<std::size_t>(r - draws)].value(c));
                continue;
            }
            const std::int32_t value = m_data.Cell(static_cast<std::size_t>(r), static_cast<std::size_t>(c));
            if (value < 0) {
                painter.fillRect(cell.adjusted(1, 1, -1, -1), QColor(255, 232, 232));
                painter.setPen(kHit);
                painter.setFont(bold);
                painter.drawText(cell, Qt::AlignCenter, m_short.value(c));
                painter.setFont(font());
            } else if (m_showMisses) {
                painter.setPen(kMiss);
                painter.drawText(cell, Qt::AlignCenter, QString::number(value));
            }
        }
    }
    painter.restore();

    // Left columns: period and number, or the summary's title.
    painter.save();
    painter.setClipRect(0, m_headerHeight, m_leftWidth, bodyHeight);
    painter.fillRect(0, m_headerHeight, m_leftWidth, bodyHeight, kHeader);
    painter.setPen(Qt::black);
    for (int r = cells.firstRow; r < cells.endRow; ++r) {
        const int y = m_headerHeight + r * g.rowHeight - scrollY;
        if (r >= draws) {
            painter.drawText(QRect(4, y, m_leftWidth - 8, g.rowHeight), Qt::AlignVCenter | Qt::AlignLeft,
                             QString::fromUtf8(kSummaryTitles[r - draws]));
            continue;
        }
        painter.drawText(QRect(4, y, 80, g.rowHeight), Qt::AlignVCenter | Qt::AlignLeft, m_periods.value(r));
        painter.drawText(QRect(84, y, m_leftWidth - 88, g.rowHeight), Qt::AlignVCenter | Qt::AlignLeft, m_numbers.value(r));
    }
    painter.restore();

    // Header: the item titles.
    painter.save();
    painter.fillRect(0, 0, width, m_headerHeight, kHeader);
    painter.setPen(Qt::black);
    painter.drawText(QRect(4, 0, 80, m_headerHeight), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("期号"));
    painter.drawText(QRect(84, 0, m_leftWidth - 88, m_headerHeight), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("号码"));
    painter.setClipRect(m_leftWidth, 0, bodyWidth, m_headerHeight);
    for (int c = cells.firstColumn; c < cells.endColumn; ++c) {
        const QRect header(m_leftWidth + c * g.columnWidth - scrollX, 0, g.columnWidth, m_headerHeight);
        if (c == m_selected)
            painter.fillRect(header, QColor(204, 224, 250));
        painter.drawText(header, Qt::AlignCenter, m_titles.value(c));
    }
    painter.restore();
    painter.setPen(kGrid);
    painter.drawLine(0, m_headerHeight - 1, width, m_headerHeight - 1);
    painter.drawLine(m_leftWidth - 1, 0, m_leftWidth - 1, height);
}

QImage TrendView::Render() const
{
    const int width = m_leftWidth + m_geometry.columns * m_geometry.columnWidth;
    // A picture of every draw of a long history would be too tall for an
    // image: it keeps the newest rows and the summary.
    constexpr int kMaxHeight = 30000;
    const int body = m_geometry.rows * m_geometry.rowHeight;
    const int height = std::min(m_headerHeight + body, kMaxHeight);
    QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setFont(font());
    const CellRange kept = m_lastPainted;
    Paint(painter, 0, std::max(0, body - (height - m_headerHeight)), width, height);
    m_lastPainted = kept;
    return image;
}

} // namespace vesk::omission
