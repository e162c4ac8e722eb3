#include "components/features/omission/trend_view.h"

#include <QHelpEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>

namespace vesk::omission {

namespace {

const char* const kSummaryTitles[] = {"出现次数", "平均遗漏", "最大遗漏", "最大连出"};
constexpr int kSummaryRows = 4;

const QColor kMiss(165, 165, 165);
const QColor kGrid(228, 232, 238);
const QColor kRule(120, 132, 150);
const QColor kHeader(238, 242, 248);
const QColor kSummary(250, 246, 232);
const QColor kShade(247, 249, 252); // every other block
const QColor kPicked(255, 246, 204);
const QColor kPickedHead(204, 224, 250);

// A distinct colour for each block, in turn.
QColor BlockColour(std::size_t block)
{
    static const QColor colours[] = {QColor(204, 36, 48), QColor(28, 96, 196), QColor(22, 136, 72),
                                     QColor(214, 116, 16), QColor(128, 58, 168), QColor(0, 128, 140)};
    return colours[block % std::size(colours)];
}

} // namespace

TrendView::TrendView(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setObjectName(QStringLiteral("trendChart"));
    viewport()->setAutoFillBackground(false);
    viewport()->setMouseTracking(false);
    // Sizes in pixels: a printed page scales the chart's pixels as a whole,
    // texts with them.
    m_textFont = font();
    m_textFont.setPixelSize(QFontInfo(font()).pixelSize());
    m_ballFont = m_textFont;
    m_ballFont.setBold(true);
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] {
        // The user moved the draws: follow the newest only when back at them.
        QScrollBar* bar = verticalScrollBar();
        m_followNewest = bar->sliderPosition() >= bar->maximum();
    });
}

int TrendView::SummaryHeight() const
{
    return kSummaryRows * m_geometry.rowHeight;
}

int TrendView::BodyViewHeight() const
{
    return std::max(0, viewport()->height() - m_headerHeight - SummaryHeight());
}

void TrendView::SetContent(TrendContent content)
{
    m_content = std::move(content);
    const std::size_t columns = m_content.data.rows.size();
    m_selected.assign(columns, false);
    m_selectedColumns.clear();
    m_anchor = -1;
    m_geometry.columns = static_cast<int>(columns);
    m_geometry.rows = static_cast<int>(m_content.data.draws);

    // Columns as narrow as a ball with its label, the summary's figures and
    // the head's label allow.
    const QFontMetrics metrics(m_textFont);
    const QFontMetrics ball(m_ballFont);
    int width = metrics.height() + 6;
    for (const std::string& label : m_content.blocks.labels)
        width = std::max(width, ball.horizontalAdvance(QString::fromStdString(label)) + 12);
    for (const QStringList& row : m_content.summary)
        for (const QString& text : row)
            width = std::max(width, metrics.horizontalAdvance(text) + 8);
    m_geometry.columnWidth = std::min(width, 96);
    m_geometry.rowHeight = metrics.height() + 6;
    m_stamps.reset();
    m_headerHeight = 2 * m_geometry.rowHeight + 2;
    int periodWidth = metrics.horizontalAdvance(QStringLiteral("期号")) + 12;
    for (const QString& period : {m_content.periods.value(0), m_content.periods.value(m_content.periods.size() - 1)})
        periodWidth = std::max(periodWidth, metrics.horizontalAdvance(period) + 12);
    int numberWidth = metrics.horizontalAdvance(QStringLiteral("号码")) + 12;
    if (!m_content.numbers.isEmpty())
        numberWidth = std::max(numberWidth, metrics.horizontalAdvance(m_content.numbers.back()) + 16);
    m_periodWidth = periodWidth;
    m_leftWidth = std::max(periodWidth + numberWidth, metrics.horizontalAdvance(QStringLiteral("平均遗漏")) + 16);
    UpdateScrollBars();
    viewport()->update();
}

void TrendView::SetShowMisses(bool show)
{
    m_showMisses = show;
    viewport()->update();
}

void TrendView::SetShowLines(bool show)
{
    m_showLines = show;
    viewport()->update();
}

void TrendView::ScrollToNewest()
{
    UpdateScrollBars();
    m_followNewest = true;
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void TrendView::SetSelectedColumns(std::vector<int> columns)
{
    m_selected.assign(m_selected.size(), false);
    m_selectedColumns.clear();
    for (int c : columns)
        if (c >= 0 && c < m_geometry.columns && !m_selected[static_cast<std::size_t>(c)]) {
            m_selected[static_cast<std::size_t>(c)] = true;
            m_selectedColumns.push_back(c);
        }
    std::sort(m_selectedColumns.begin(), m_selectedColumns.end());
    viewport()->update();
}

void TrendView::UpdateScrollBars()
{
    const int bodyWidth = m_geometry.columns * m_geometry.columnWidth;
    const int bodyHeight = m_geometry.rows * m_geometry.rowHeight;
    const int viewWidth = std::max(0, viewport()->width() - m_leftWidth);
    const int viewHeight = BodyViewHeight();
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
    if (m_followNewest)
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

QPoint TrendView::CellCenter(int draw, int column) const
{
    const TrendGeometry& g = m_geometry;
    return {m_leftWidth + column * g.columnWidth + g.columnWidth / 2 - horizontalScrollBar()->value(),
            m_headerHeight + draw * g.rowHeight + g.rowHeight / 2 - verticalScrollBar()->value()};
}

int TrendView::ColumnAt(int x) const
{
    if (x < m_leftWidth || m_geometry.columnWidth <= 0)
        return -1;
    const int column = (x - m_leftWidth + horizontalScrollBar()->value()) / m_geometry.columnWidth;
    return column < m_geometry.columns ? column : -1;
}

void TrendView::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const int column = ColumnAt(at.x());
    if (event->button() != Qt::LeftButton || at.y() >= m_headerHeight || column < 0) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    // The block's head picks its columns; a label picks one.
    int first = column;
    int last = column;
    if (at.y() < m_geometry.rowHeight) {
        const TrendBlock& block = m_content.blocks.blocks[m_content.blocks.blockOf[static_cast<std::size_t>(column)]];
        first = static_cast<int>(block.firstColumn);
        last = static_cast<int>(block.endColumn) - 1;
    }
    const Qt::KeyboardModifiers keys = event->modifiers();
    std::vector<bool> picked = m_selected;
    if (keys & Qt::ShiftModifier && m_anchor >= 0) {
        if (!(keys & Qt::ControlModifier))
            picked.assign(picked.size(), false);
        first = std::min(first, m_anchor);
        last = std::max(last, m_anchor);
        for (int c = first; c <= last; ++c)
            picked[static_cast<std::size_t>(c)] = true;
    } else if (keys & Qt::ControlModifier) {
        const bool on = !std::all_of(picked.begin() + first, picked.begin() + last + 1, [](bool b) { return b; });
        for (int c = first; c <= last; ++c)
            picked[static_cast<std::size_t>(c)] = on;
        m_anchor = column;
    } else {
        picked.assign(picked.size(), false);
        for (int c = first; c <= last; ++c)
            picked[static_cast<std::size_t>(c)] = true;
        m_anchor = column;
    }
    std::vector<int> columns;
    for (std::size_t c = 0; c < picked.size(); ++c)
        if (picked[c])
            columns.push_back(static_cast<int>(c));
    SetSelectedColumns(columns);
    if (selectionChanged)
        selectionChanged(m_selectedColumns);
}

bool TrendView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int column = ColumnAt(help->pos().x());
        if (help->pos().y() < m_headerHeight && column >= 0)
            QToolTip::showText(help->globalPos(), m_content.titles.value(column), viewport());
        else
            QToolTip::hideText();
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void TrendView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    const qreal ratio = viewport()->devicePixelRatioF();
    if (!m_stamps || !m_stamps->Fits(QSize(m_geometry.columnWidth, m_geometry.rowHeight), ratio))
        m_stamps = std::make_unique<CellStamps>(MakeStamps(ratio));
    m_lastPainted = Paint(painter, *m_stamps, horizontalScrollBar()->value(), verticalScrollBar()->value(), viewport()->width(),
          viewport()->height(), true);
}

CellStamps TrendView::MakeStamps(qreal pixelRatio) const
{
    return CellStamps(QSize(m_geometry.columnWidth, m_geometry.rowHeight), m_textFont, m_ballFont, pixelRatio);
}

CellRange TrendView::Paint(QPainter& painter, CellStamps& stamps, int scrollX, int scrollY, int width, int height,
                           bool withSummary) const
{
    const int summaryHeight = withSummary ? SummaryHeight() : 0;
    const int bodyWidth = std::max(0, width - m_leftWidth);
    const int bodyHeight = std::max(0, height - m_headerHeight - summaryHeight);
    const CellRange cells = VisibleCells(m_geometry, scrollX, scrollY, bodyWidth, bodyHeight);
    painter.fillRect(0, 0, width, height, Qt::white);
    painter.setFont(m_textFont);

    painter.save();
    painter.setClipRect(m_leftWidth, m_headerHeight, bodyWidth, bodyHeight);
    PaintBody(painter, stamps, cells, scrollX, scrollY, bodyWidth, bodyHeight);
    painter.restore();

    // Period and number of each draw in view.
    const TrendGeometry& g = m_geometry;
    painter.save();
    painter.setClipRect(0, m_headerHeight, m_leftWidth, bodyHeight);
    painter.fillRect(0, m_headerHeight, m_leftWidth, bodyHeight, kHeader);
    painter.setPen(Qt::black);
    for (int r = cells.firstRow; r < cells.endRow; ++r) {
        const int y = m_headerHeight + r * g.rowHeight - scrollY;
        painter.drawText(QRect(4, y, m_periodWidth - 6, g.rowHeight), Qt::AlignVCenter | Qt::AlignLeft, m_content.periods.value(r));
        painter.drawText(QRect(m_periodWidth, y, m_leftWidth - m_periodWidth - 4, g.rowHeight), Qt::AlignCenter,
                         m_content.numbers.value(r));
    }
    painter.setPen(kGrid);
    for (int r = cells.firstRow; r < cells.endRow; ++r) {
        const int y = m_headerHeight + (r + 1) * g.rowHeight - scrollY - 1;
        painter.drawLine(0, y, m_leftWidth, y);
    }
    painter.restore();

    PaintHeader(painter, cells, scrollX, width);
    if (withSummary)
        PaintSummary(painter, cells, scrollX, height - summaryHeight, width);

    painter.setPen(kRule);
    painter.drawLine(0, m_headerHeight - 1, width, m_headerHeight - 1);
    painter.drawLine(m_leftWidth - 1, 0, m_leftWidth - 1, height);
    painter.drawLine(m_periodWidth - 1, 0, m_periodWidth - 1, height - summaryHeight);
    if (withSummary)
        painter.drawLine(0, height - summaryHeight, width, height - summaryHeight);
    return cells;
}

void TrendView::PaintBody(QPainter& painter, CellStamps& stamps, const CellRange& cells, int scrollX, int scrollY,
                          int bodyWidth, int bodyHeight) const
{
    const TrendGeometry& g = m_geometry;
    const TrendData& data = m_content.data;
    const std::vector<TrendBlock>& blocks = m_content.blocks.blocks;
    const auto x0 = [&](int column) { return m_leftWidth + column * g.columnWidth - scrollX; };
    const auto y0 = [&](int row) { return m_headerHeight + row * g.rowHeight - scrollY; };
    const int top = m_headerHeight;

    // Every other block shaded, picked columns tinted.
    for (std::size_t b = 1; b < blocks.size(); b += 2)
        painter.fillRect(x0(static_cast<int>(blocks[b].firstColumn)), top,
                         static_cast<int>(blocks[b].endColumn - blocks[b].firstColumn) * g.columnWidth, bodyHeight, kShade);
    for (int c : m_selectedColumns)
        if (c >= cells.firstColumn && c < cells.endColumn)
            painter.fillRect(x0(c), top, g.columnWidth, bodyHeight, kPicked);

    // The grid, as two batches of lines.
    QVector<QLine> grid;
    grid.reserve((cells.endRow - cells.firstRow) + (cells.endColumn - cells.firstColumn) + 2);
    const int right = std::min(m_leftWidth + bodyWidth, x0(cells.endColumn));
    for (int r = cells.firstRow; r < cells.endRow; ++r)
        grid.append(QLine(m_leftWidth, y0(r + 1) - 1, right, y0(r + 1) - 1));
    for (int c = cells.firstColumn; c < cells.endColumn; ++c)
        grid.append(QLine(x0(c + 1) - 1, top, x0(c + 1) - 1, top + bodyHeight));
    painter.setPen(kGrid);
    painter.drawLines(grid);

    // Omission values between the hits.
    const std::size_t columns = data.rows.size();
    if (m_showMisses) {
        for (int r = cells.firstRow; r < cells.endRow; ++r)
            for (int c = cells.firstColumn; c < cells.endColumn; ++c) {
                const std::int32_t value = data.Cell(static_cast<std::size_t>(r), static_cast<std::size_t>(c));
                if (value >= 0)
                    stamps.Miss(painter, x0(c), y0(r), value, kMiss);
            }
    }

    painter.setRenderHint(QPainter::Antialiasing, true);
    // Trend lines: from the draw above the view to the one below it, so the
    // segments that cross the edges are whole.
    if (m_showLines) {
        for (std::size_t b = 0; b < blocks.size(); ++b) {
            const TrendBlock& block = blocks[b];
            if (!block.linked || static_cast<int>(block.endColumn) <= cells.firstColumn - 1 ||
                static_cast<int>(block.firstColumn) > cells.endColumn)
                continue;
            QPen pen(BlockColour(b));
            pen.setWidthF(1.5);
            painter.setPen(pen);
            const int from = std::max(0, cells.firstRow - 1);
            const int to = std::min(g.rows - 1, cells.endRow);
            int previous = from < g.rows ? BallColumn(data.cells, columns, static_cast<std::size_t>(from), block) : -1;
            for (int r = from + 1; r <= to; ++r) {
                const int column = BallColumn(data.cells, columns, static_cast<std::size_t>(r), block);
                if (previous >= 0 && column >= 0)
                    painter.drawLine(QPointF(x0(previous) + g.columnWidth / 2.0, y0(r - 1) + g.rowHeight / 2.0),
                                     QPointF(x0(column) + g.columnWidth / 2.0, y0(r) + g.rowHeight / 2.0));
                previous = column;
            }
        }
    }

    painter.setRenderHint(QPainter::Antialiasing, false);
    // Balls with the item's short label.
    for (int r = cells.firstRow; r < cells.endRow; ++r)
        for (int c = cells.firstColumn; c < cells.endColumn; ++c) {
            if (data.Cell(static_cast<std::size_t>(r), static_cast<std::size_t>(c)) >= 0)
                continue;
            const auto column = static_cast<std::size_t>(c);
            stamps.Ball(painter, x0(c), y0(r), c, QString::fromStdString(m_content.blocks.labels[column]),
                        BlockColour(m_content.blocks.blockOf[column]));
        }

    // Heavier rules between blocks.
    painter.setPen(QPen(kRule, 2));
    for (std::size_t b = 1; b < blocks.size(); ++b) {
        const int x = x0(static_cast<int>(blocks[b].firstColumn));
        painter.drawLine(x - 1, top, x - 1, top + bodyHeight);
    }
}

void TrendView::PaintHeader(QPainter& painter, const CellRange& cells, int scrollX, int width) const
{
    const TrendGeometry& g = m_geometry;
    const int rowHeight = g.rowHeight;
    painter.save();
    painter.fillRect(0, 0, width, m_headerHeight, kHeader);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, m_periodWidth, m_headerHeight), Qt::AlignCenter, QStringLiteral("期号"));
    painter.drawText(QRect(m_periodWidth, 0, m_leftWidth - m_periodWidth, m_headerHeight), Qt::AlignCenter,
                     QStringLiteral("号码"));
    painter.setClipRect(m_leftWidth, 0, std::max(0, width - m_leftWidth), m_headerHeight);
    const auto x0 = [&](int column) { return m_leftWidth + column * g.columnWidth - scrollX; };
    QFont bold = m_textFont;
    bold.setBold(true);
    const std::vector<TrendBlock>& blocks = m_content.blocks.blocks;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const int first = static_cast<int>(blocks[b].firstColumn);
        const int end = static_cast<int>(blocks[b].endColumn);
        if (end <= cells.firstColumn || first >= cells.endColumn)
            continue;
        // The title stays over the part of the block in view.
        const int left = std::max(x0(first), m_leftWidth);
        const int right = std::min(x0(end), width);
        painter.setFont(bold);
        painter.setPen(BlockColour(b));
        painter.drawText(QRect(left, 0, right - left, rowHeight), Qt::AlignCenter,
                         QString::fromStdString(blocks[b].title));
    }
    painter.setFont(m_textFont);
    for (int c = cells.firstColumn; c < cells.endColumn; ++c) {
        const QRect head(x0(c), rowHeight, g.columnWidth, m_headerHeight - rowHeight);
        if (m_selected[static_cast<std::size_t>(c)])
            painter.fillRect(head, kPickedHead);
        painter.setPen(Qt::black);
        painter.drawText(head, Qt::AlignCenter, QString::fromStdString(m_content.blocks.labels[static_cast<std::size_t>(c)]));
        painter.setPen(kGrid);
        painter.drawLine(head.right(), rowHeight, head.right(), m_headerHeight);
    }
    painter.setPen(kGrid);
    painter.drawLine(m_leftWidth, rowHeight, width, rowHeight);
    painter.setPen(QPen(kRule, 2));
    for (std::size_t b = 1; b < blocks.size(); ++b) {
        const int x = x0(static_cast<int>(blocks[b].firstColumn));
        painter.drawLine(x - 1, 0, x - 1, m_headerHeight);
    }
    painter.restore();
}

void TrendView::PaintSummary(QPainter& painter, const CellRange& cells, int scrollX, int top, int width) const
{
    const TrendGeometry& g = m_geometry;
    painter.save();
    painter.fillRect(0, top, width, SummaryHeight(), kSummary);
    painter.setPen(Qt::black);
    for (int s = 0; s < kSummaryRows; ++s)
        painter.drawText(QRect(6, top + s * g.rowHeight, m_leftWidth - 10, g.rowHeight), Qt::AlignVCenter | Qt::AlignLeft,
                         QString::fromUtf8(kSummaryTitles[s]));
    painter.setClipRect(m_leftWidth, top, std::max(0, width - m_leftWidth), SummaryHeight());
    for (int s = 0; s < kSummaryRows && static_cast<std::size_t>(s) < m_content.summary.size(); ++s) {
        const int y = top + s * g.rowHeight;
        for (int c = cells.firstColumn; c < cells.endColumn; ++c) {
            const QRect cell(m_leftWidth + c * g.columnWidth - scrollX, y, g.columnWidth, g.rowHeight);
            painter.setPen(kGrid);
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
            painter.setPen(Qt::black);
            painter.drawText(cell, Qt::AlignCenter, m_content.summary[static_cast<std::size_t>(s)].value(c));
        }
    }
    painter.setPen(QPen(kRule, 2));
    for (std::size_t b = 1; b < m_content.blocks.blocks.size(); ++b) {
        const int x = m_leftWidth + static_cast<int>(m_content.blocks.blocks[b].firstColumn) * g.columnWidth - scrollX;
        painter.drawLine(x - 1, top, x - 1, top + SummaryHeight());
    }
    painter.restore();
}

int TrendView::RowsHeight(int firstRow, int endRow, bool withSummary) const
{
    return m_headerHeight + std::max(0, endRow - firstRow) * m_geometry.rowHeight + (withSummary ? SummaryHeight() : 0);
}

void TrendView::PaintRows(QPainter& painter, int firstRow, int endRow, bool withSummary, qreal pixelRatio) const
{
    painter.setFont(m_textFont);
    CellStamps stamps = MakeStamps(pixelRatio);
    Paint(painter, stamps, 0, firstRow * m_geometry.rowHeight, FullWidth(), RowsHeight(firstRow, endRow, withSummary),
          withSummary);
}

QImage TrendView::RenderRows(int firstRow, int endRow, bool withSummary) const
{
    const int height = RowsHeight(firstRow, endRow, withSummary);
    QImage image(std::max(FullWidth(), 1), std::max(height, 1), QImage::Format_RGB32);
    QPainter painter(&image);
    PaintRows(painter, firstRow, endRow, withSummary);
    return image;
}

std::vector<RowSpan> TrendView::PictureSpans(int maxHeight) const
{
    return PictureRows(m_geometry.rows, m_geometry.rowHeight, m_headerHeight, SummaryHeight(), maxHeight);
}

} // namespace vesk::omission
