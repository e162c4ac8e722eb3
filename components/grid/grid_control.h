#pragma once
// Our IRyxGridCtrl: a framework child window holding a table view over a
// GridModel. What the slots mean here, beyond their names:
//
// - Slot 2 Create(rect, parent, id, a, b, c): a child window of parent with
//   that control id (a, b, c carry nothing for us); 1 on success, 0 when
//   parent is no window or the grid already has one.
// - Slot 5 SetSize(rows, columns): rows is the new row count (0 empties the
//   grid); columns 0 keeps the columns. Cells inside the old and new bounds
//   stay. Resets the selection.
// - Slot 18 SetMetrics(margin, rowHeight, sampleRows): the text margin left
//   and right of each cell in pixels (0..100), the row height in pixels
//   (1..200), and how many rows from the top and from the bottom are
//   measured when the columns are fitted (≥ 0); fits every column to its
//   title and those rows now. (6, 20, 10000): 6-pixel margins, 20-pixel rows
//   as the page's layout expects, columns fitted to the first and the last
//   10,000 rows.
// - Slot 21 SetColumnColor(column, textColor, background): background −1
//   keeps the grid's white, else it is a COLORREF too.
// - Slot 29 SetMode(rowSelect, gridLines): rowSelect 1 selects whole rows (a
//   list view's full-row selection), 0 single cells; gridLines 1 draws grid
//   lines, 0 none (a list view's look).
// - Slot 34 SetCellNumber(row, column, value, format): format 0x20 is a
//   decimal number; 0x20 + D shows it with at least D digits, made up with
//   leading zeros (cell_format.h). The value is a 32-bit number.
// - Slot 41 EnsureVisible(row, column, alignTop): scrolls row into view; row
//   −1 is the current row (the last one selected), or the last row when none
//   is current. column ≥ 0 is scrolled into view too; a negative column (−2)
//   keeps the horizontal position. alignTop 0 scrolls as little as needed,
//   else puts the row at the top. 0 when the grid has no such row.
// - Slot 43 SelectRow(row, column): selects row alone and makes it current
//   (column −1: the whole row, as always with rowSelect 1); row −1 clears the
//   selection. 0 for a row outside the grid.
// - Slot 44 GetSelectedRow(0, k): the k-th selected row counted in ascending
//   row order from 0; −1 when there is none (or the first argument is not 0).
// - Slot 48 SetScrollPositions(vertical, horizontal) takes what slot 49
//   returned: GetScrollPosition(1) is the top row shown, (0) the horizontal
//   offset in pixels. Out-of-range values are clamped.
// - Slot 51 Redraw(): the cells written since the last call are shown;
//   slots 33 and 34 do not announce each cell, so a refill writes millions
//   of them quickly and ends with this call.
// - Slot 52 Export(path, extension): extension "xls" (any case, with or
//   without a dot) writes the rows and columns with their titles as an Excel
//   97-2003 workbook at path, texts as texts and numbers as numbers; 1 when
//   written, 0 for any other extension or a failed write (an old file at
//   path is then left as it was).
//
// Every slot returns 0 for arguments outside the grid and changes nothing.
// Notifications go to the parent as WM_NOTIFY with the control id: NM_CLICK,
// NM_DBLCLK and NM_RCLICK with an NMITEMACTIVATE (iItem the row, −1 below the
// last row; iSubItem the column; ptAction and uKeyFlags), LVN_COLUMNCLICK
// with an NMLISTVIEW (iItem −1, iSubItem the column).

#include "components/grid/grid_model.h"
#include "components/grid/selected_rows.h"
#include "framework/cwnd.h"
#include "host/grid_interface.h"

#include <QPointer>

#include <optional>

namespace vesk::grid {

class GridView;

class GridControl final : public IRyxGridCtrl {
public:
    GridControl();
    ~GridControl();

    SlotInt Create(const Rect* rect, WindowHandle parent, SlotInt controlId, SlotInt a, SlotInt b,
                   SlotInt c) override;
    WindowHandle GetWindow() override;
    SlotInt SetSize(SlotInt rows, SlotInt columns) override;
    SlotInt GetRowCount() override;
    SlotInt GetColumnCount() override;
    SlotInt Move(const Rect* rect) override;
    SlotInt SetColumnTitle(SlotInt column, const char* title) override;
    SlotInt SetMetrics(SlotInt margin, SlotInt rowHeight, SlotInt sampleRows) override;
    SlotInt SetColumnTag(SlotInt column, SlotInt tag) override;
    SlotInt GetColumnTag(SlotInt column) override;
    SlotInt SetColumnColor(SlotInt column, ColorRef color, SlotInt background) override;
    SlotInt SetMode(SlotInt rowSelect, SlotInt gridLines) override;
    SlotInt SetCellText(SlotInt row, SlotInt column, const char* text) override;
    SlotInt SetCellNumber(SlotInt row, SlotInt column, SlotInt value, SlotInt format) override;
    SlotInt EnsureVisible(SlotInt row, SlotInt column, SlotInt alignTop) override;
    SlotInt SelectRow(SlotInt row, SlotInt column) override;
    SlotInt GetSelectedRow(SlotInt a, SlotInt k) override;
    SlotInt GetSelectedCount() override;
    SlotInt SetScrollPositions(SlotInt vertical, SlotInt horizontal) override;
    SlotInt GetScrollPosition(SlotInt which) override;
    SlotInt Redraw() override;
    SlotInt Export(const char* path, const char* extension) override;

private:
    struct Metrics {
        int margin = 6;
        int rowHeight = 20;
        std::int64_t sampleRows = 10000;
    };
    void BuildView();
    void ApplyMetrics();
    void FitColumns();
    const SelectedRows& Selection();
    void ReportMouse(int code, QPoint viewportPoint, Qt::KeyboardModifiers modifiers);
    void ReportColumnClick(int column);

    // Declared first: the view over it goes before it.
    GridModel m_model;
    CWnd m_window;
    QPointer<GridView> m_view; // null once the parent took the window with it
    Metrics m_metrics;
    bool m_rowSelect = true;
    bool m_gridLines = false;
    std::optional<SelectedRows> m_selection; // none: to be read from the view
};

} // namespace vesk::grid
