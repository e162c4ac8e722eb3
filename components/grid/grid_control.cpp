#include "components/grid/grid_control.h"

#include "components/grid/cell_format.h"
#include "components/grid/column_fit.h"
#include "components/grid/grid_export.h"
#include "components/grid/grid_view.h"
#include "framework/dialog_template.h"

#include <QHBoxLayout>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <new>

namespace vesk::grid {
namespace {

std::uint32_t KeyFlags(Qt::KeyboardModifiers modifiers)
{
    std::uint32_t flags = 0;
    if (modifiers & Qt::AltModifier)
        flags |= 1; // LVKF_ALT
    if (modifiers & Qt::ControlModifier)
        flags |= 2; // LVKF_CONTROL
    if (modifiers & Qt::ShiftModifier)
        flags |= 4; // LVKF_SHIFT
    return flags;
}

bool FitsInt32(SlotInt value)
{
    return value >= INT32_MIN && value <= INT32_MAX;
}

} // namespace

GridControl::GridControl() = default;

GridControl::~GridControl()
{
    // The view reports through this object; it must not outlive it.
    if (m_view)
        m_view->onMouse = nullptr;
    // The view's code lives in this library, which the host may unload right
    // after the release; a view left to its parent (or to a deferred delete)
    // would then be destroyed through unmapped code.
    delete m_view.data();
}

SlotInt GridControl::Create(const Rect* rect, WindowHandle parent, SlotInt controlId, SlotInt, SlotInt, SlotInt)
{
    CWnd* parentWnd = CWnd::FromWindowHandle(parent);
    if (!parentWnd || m_window.m_hWnd)
        return 0;
    const CRect area = rect ? CRect(rect->left, rect->top, rect->right, rect->bottom) : CRect();
    if (!m_window.Create(nullptr, "", WS_CHILD | WS_VISIBLE, area, parentWnd, static_cast<UINT>(controlId)))
        return 0;
    BuildView();
    return 1;
}

void GridControl::BuildView()
{
    auto* view = new GridView(m_window.m_hWnd);
    auto* layout = new QHBoxLayout(m_window.m_hWnd);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    view->setFont(DialogFont(DialogTemplate{}));
    view->horizontalHeader()->setFont(view->font());
    view->setModel(&m_model);
    m_view = view;
    view->onMouse = [this](MouseReport report, QPoint point, Qt::KeyboardModifiers modifiers) {
        const UINT code = report == MouseReport::Click         ? NM_CLICK
                          : report == MouseReport::DoubleClick ? NM_DBLCLK
                                                               : NM_RCLICK;
        ReportMouse(static_cast<int>(code), point, modifiers);
    };
    QObject::connect(&view->Header(), &QHeaderView::sectionClicked, view,
                     [this](int column) { ReportColumnClick(column); });
    QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, view,
                     [this] { m_selection.reset(); });
    QObject::connect(&m_model, &QAbstractItemModel::modelReset, view, [this] { m_selection.reset(); });
    SetMode(m_rowSelect ? 1 : 0, m_gridLines ? 1 : 0);
    ApplyMetrics();
}

WindowHandle GridControl::GetWindow()
{
    return m_window.ToWindowHandle();
}

SlotInt GridControl::SetSize(SlotInt rows, SlotInt columns)
{
    if (rows < 0 || rows > kMaxRows || columns < 0 || columns > kMaxColumns)
        return 0;
    try {
        return m_model.Resize(rows, static_cast<int>(columns)) ? 1 : 0;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

SlotInt GridControl::GetRowCount()
{
    return static_cast<SlotInt>(m_model.Table().RowCount());
}

SlotInt GridControl::GetColumnCount()
{
    return m_model.Table().ColumnCount();
}

SlotInt GridControl::Move(const Rect* rect)
{
    if (!rect || !m_window.m_hWnd)
        return 0;
    m_window.MoveWindow(CRect(rect->left, rect->top, rect->right, rect->bottom));
    return 1;
}

SlotInt GridControl::SetColumnTitle(SlotInt column, const char* title)
{
    if (!title || !FitsInt32(column))
        return 0;
    return m_model.SetTitle(static_cast<int>(column), title) ? 1 : 0;
}

SlotInt GridControl::SetMetrics(SlotInt margin, SlotInt rowHeight, SlotInt sampleRows)
{
    if (margin < 0 || margin > 100 || rowHeight < 1 || rowHeight > 200 || sampleRows < 0)
        return 0;
    m_metrics = {static_cast<int>(margin), static_cast<int>(rowHeight), static_cast<std::int64_t>(sampleRows)};
    ApplyMetrics();
    return 1;
}

void GridControl::ApplyMetrics()
{
    if (!m_view)
        return;
    m_view->Delegate().SetTextMargin(m_metrics.margin);
    m_view->verticalHeader()->setDefaultSectionSize(m_metrics.rowHeight);
    FitColumns();
}

void GridControl::FitColumns()
{
    const GridTable& table = m_model.Table();
    // Fractional widths, rounded up: a text exactly as wide as its rounded
    // advance would still be elided.
    const QFontMetricsF cells(m_view->font());
    const QFontMetricsF titles(m_view->Header().font());
    for (int column = 0; column < table.ColumnCount(); ++column) {
        qreal widest = titles.horizontalAdvance(QString::fromStdString(table.Look(column)->title));
        for (const std::string& text : WidthCandidates(table, column, m_metrics.sampleRows))
            widest = std::max(widest, cells.horizontalAdvance(QString::fromStdString(text)));
        const int width = static_cast<int>(std::ceil(widest)) + 1 + 2 * m_metrics.margin;
        m_view->setColumnWidth(column, std::max(width, m_view->Header().sectionSizeHint(column)));
    }
}

SlotInt GridControl::SetColumnTag(SlotInt column, SlotInt tag)
{
    return FitsInt32(column) && m_model.SetTag(static_cast<int>(column), tag) ? 1 : 0;
}

SlotInt GridControl::GetColumnTag(SlotInt column)
{
    const ColumnLook* look = FitsInt32(column) ? m_model.Table().Look(static_cast<int>(column)) : nullptr;
    return look ? look->tag : 0;
}

SlotInt GridControl::SetColumnColor(SlotInt column, ColorRef color, SlotInt background)
{
    if (!FitsInt32(column) || background < -1 || background > 0xFFFFFF)
        return 0;
    std::optional<std::uint32_t> fill;
    if (background != -1)
        fill = static_cast<std::uint32_t>(background);
    return m_model.SetColors(static_cast<int>(column), color & 0xFFFFFF, fill) ? 1 : 0;
}

SlotInt GridControl::SetMode(SlotInt rowSelect, SlotInt gridLines)
{
    if ((rowSelect != 0 && rowSelect != 1) || (gridLines != 0 && gridLines != 1))
        return 0;
    m_rowSelect = rowSelect == 1;
    m_gridLines = gridLines == 1;
    if (m_view) {
        m_view->setSelectionBehavior(m_rowSelect ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
        m_view->setShowGrid(m_gridLines);
    }
    return 1;
}

SlotInt GridControl::SetCellText(SlotInt row, SlotInt column, const char* text)
{
    if (!text || !FitsInt32(column))
        return 0;
    try {
        return m_model.SetText(row, static_cast<int>(column), text) ? 1 : 0;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

SlotInt GridControl::SetCellNumber(SlotInt row, SlotInt column, SlotInt value, SlotInt format)
{
    if (!FitsInt32(column) || !FitsInt32(value))
        return 0;
    try {
        return m_model.SetNumber(row, static_cast<int>(column), static_cast<std::int32_t>(value),
                                 PadDigitsOfFormat(format))
                   ? 1
                   : 0;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

SlotInt GridControl::EnsureVisible(SlotInt row, SlotInt column, SlotInt alignTop)
{
    const SlotInt rows = GetRowCount();
    if (!m_view || rows == 0 || row < -1 || row >= rows || column >= GetColumnCount() || GetColumnCount() == 0)
        return 0;
    m_view->FlushLayout();
    if (row == -1) {
        const QModelIndex current = m_view->currentIndex();
        row = current.isValid() ? current.row() : rows - 1;
    }
    QScrollBar* horizontal = m_view->horizontalScrollBar();
    const int keptX = horizontal->value();
    const QModelIndex target = m_model.index(static_cast<int>(row), column >= 0 ? static_cast<int>(column) : 0);
    m_view->scrollTo(target, alignTop ? QAbstractItemView::PositionAtTop : QAbstractItemView::EnsureVisible);
    if (column < 0)
        horizontal->setValue(keptX);
    return 1;
}

SlotInt GridControl::SelectRow(SlotInt row, SlotInt column)
{
    if (!m_view || row < -1 || row >= GetRowCount())
        return 0;
    QItemSelectionModel* selection = m_view->selectionModel();
    if (row == -1) {
        selection->clearSelection();
        return 1;
    }
    const int last = GetColumnCount() - 1;
    if (last < 0 || column < -1 || column > last)
        return 0;
    const int r = static_cast<int>(row);
    const bool wholeRow = m_rowSelect || column == -1;
    const QModelIndex first = m_model.index(r, wholeRow ? 0 : static_cast<int>(column));
    const QModelIndex end = wholeRow ? m_model.index(r, last) : first;
    selection->select(QItemSelection(first, end), QItemSelectionModel::ClearAndSelect);
    // Current without touching the selection: the anchor of a later
    // Shift-click. Selecting never scrolls: the page restores its scroll
    // positions before it selects, and asks for scrolling on its own.
    const bool autoScroll = m_view->hasAutoScroll();
    m_view->setAutoScroll(false);
    selection->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    m_view->setAutoScroll(autoScroll);
    return 1;
}

const SelectedRows& GridControl::Selection()
{
    if (!m_selection) {
        std::vector<std::pair<std::int64_t, std::int64_t>> ranges;
        if (m_view)
            for (const QItemSelectionRange& range : m_view->selectionModel()->selection())
                ranges.emplace_back(range.top(), range.bottom());
        m_selection.emplace(std::move(ranges));
    }
    return *m_selection;
}

SlotInt GridControl::GetSelectedRow(SlotInt a, SlotInt k)
{
    return a == 0 ? static_cast<SlotInt>(Selection().Nth(k)) : -1;
}

SlotInt GridControl::GetSelectedCount()
{
    return static_cast<SlotInt>(Selection().Count());
}

SlotInt GridControl::SetScrollPositions(SlotInt vertical, SlotInt horizontal)
{
    if (!m_view || !FitsInt32(vertical) || !FitsInt32(horizontal))
        return 0;
    m_view->FlushLayout();
    m_view->verticalScrollBar()->setValue(static_cast<int>(vertical));
    m_view->horizontalScrollBar()->setValue(static_cast<int>(horizontal));
    return 1;
}

SlotInt GridControl::GetScrollPosition(SlotInt which)
{
    if (!m_view || (which != 0 && which != 1))
        return 0;
    m_view->FlushLayout();
    return which == 1 ? m_view->verticalScrollBar()->value() : m_view->horizontalScrollBar()->value();
}

SlotInt GridControl::Redraw()
{
    m_model.CellsChanged();
    if (m_view)
        m_view->viewport()->update();
    return 1;
}

SlotInt GridControl::Export(const char* path, const char* extension)
{
    if (!path || !*path || !extension || !IsWorkbookExtension(extension))
        return 0;
    return ExportWorkbook(m_model.Table(), path).ok ? 1 : 0;
}

void GridControl::ReportMouse(int code, QPoint viewportPoint, Qt::KeyboardModifiers modifiers)
{
    if (!m_view || !m_window.m_hWnd)
        return;
    const QPoint point = m_view->viewport()->mapTo(m_window.m_hWnd, viewportPoint);
    NMITEMACTIVATE record{};
    record.iItem = m_view->rowAt(viewportPoint.y());
    record.iSubItem = m_view->columnAt(viewportPoint.x());
    record.ptAction = {point.x(), point.y()};
    record.uKeyFlags = KeyFlags(modifiers);
    NotifyParent(m_window.m_hWnd, static_cast<UINT>(code), &record);
}

void GridControl::ReportColumnClick(int column)
{
    if (!m_view || !m_window.m_hWnd)
        return;
    const QPoint point = m_view->Header().mapTo(m_window.m_hWnd, m_view->Header().LastReleasePoint());
    NMLISTVIEW record{};
    record.iItem = -1;
    record.iSubItem = column;
    record.ptAction = {point.x(), point.y()};
    NotifyParent(m_window.m_hWnd, LVN_COLUMNCLICK, &record);
}

} // namespace vesk::grid
