#pragma once
// The result grid component ("RyxGrid.dll": "IRyxGridCtrl"). What each slot's
// arguments mean in our component: components/grid/grid_control.h.

#include "host/module_name_record.h"
#include "host/reserved_slot.h"
#include "host/win_types.h"

namespace vesk {

inline constexpr ModuleNameRecord kGridComponentName = ModuleNameRecord::Make("RyxGrid.dll", "IRyxGridCtrl");

class IRyxGridCtrl {
public:
    VESK_RESERVED_SLOT(0)
    VESK_RESERVED_SLOT(1)
    // Slot 2: a child window of parent with the control id; it reports
    // NM_CLICK, NM_DBLCLK, NM_RCLICK and LVN_COLUMNCLICK through WM_NOTIFY.
    virtual SlotInt Create(const Rect* rect, WindowHandle parent, SlotInt controlId, SlotInt a,
                           SlotInt b, SlotInt c) = 0;
    VESK_RESERVED_SLOT(3)
    // Slot 4
    virtual WindowHandle GetWindow() = 0;
    // Slot 5: rows (0 empties the grid), columns (0 keeps them).
    virtual SlotInt SetSize(SlotInt rows, SlotInt columns) = 0;
    // Slot 6
    virtual SlotInt GetRowCount() = 0;
    // Slot 7
    virtual SlotInt GetColumnCount() = 0;
    // Slot 8
    virtual SlotInt Move(const Rect* rect) = 0;
    VESK_RESERVED_SLOT(9)
    // Slot 10: title in UTF-8.
    virtual SlotInt SetColumnTitle(SlotInt column, const char* title) = 0;
    VESK_RESERVED_SLOT(11)
    VESK_RESERVED_SLOT(12)
    VESK_RESERVED_SLOT(13)
    VESK_RESERVED_SLOT(14)
    VESK_RESERVED_SLOT(15)
    VESK_RESERVED_SLOT(16)
    VESK_RESERVED_SLOT(17)
    // Slot 18: (6, 20, 10000) after set-up and refills.
    virtual SlotInt SetMetrics(SlotInt a, SlotInt b, SlotInt c) = 0;
    // Slot 19
    virtual SlotInt SetColumnTag(SlotInt column, SlotInt tag) = 0;
    // Slot 20
    virtual SlotInt GetColumnTag(SlotInt column) = 0;
    // Slot 21
    virtual SlotInt SetColumnColor(SlotInt column, ColorRef color, SlotInt background) = 0;
    VESK_RESERVED_SLOT(22)
    VESK_RESERVED_SLOT(23)
    VESK_RESERVED_SLOT(24)
    VESK_RESERVED_SLOT(25)
    VESK_RESERVED_SLOT(26)
    VESK_RESERVED_SLOT(27)
    VESK_RESERVED_SLOT(28)
    // Slot 29: (1, 0) after set-up and refills.
    virtual SlotInt SetMode(SlotInt a, SlotInt b) = 0;
    VESK_RESERVED_SLOT(30)
    VESK_RESERVED_SLOT(31)
    VESK_RESERVED_SLOT(32)
    // Slot 33
    virtual SlotInt SetCellText(SlotInt row, SlotInt column, const char* text) = 0;
    // Slot 34: format 0x20 (+ digits for zero-padded numbers).
    virtual SlotInt SetCellNumber(SlotInt row, SlotInt column, SlotInt value, SlotInt format) = 0;
    VESK_RESERVED_SLOT(35)
    VESK_RESERVED_SLOT(36)
    VESK_RESERVED_SLOT(37)
    VESK_RESERVED_SLOT(38)
    VESK_RESERVED_SLOT(39)
    VESK_RESERVED_SLOT(40)
    // Slot 41: (-1, -2, 0) after a number was added.
    virtual SlotInt EnsureVisible(SlotInt a, SlotInt b, SlotInt c) = 0;
    VESK_RESERVED_SLOT(42)
    // Slot 43
    virtual SlotInt SelectRow(SlotInt row, SlotInt column) = 0;
    // Slot 44: (0, k) → row of the k-th selected row.
    virtual SlotInt GetSelectedRow(SlotInt a, SlotInt k) = 0;
    // Slot 45
    virtual SlotInt GetSelectedCount() = 0;
    VESK_RESERVED_SLOT(46)
    VESK_RESERVED_SLOT(47)
    // Slot 48
    virtual SlotInt SetScrollPositions(SlotInt first, SlotInt second) = 0;
    // Slot 49: (1) and (0).
    virtual SlotInt GetScrollPosition(SlotInt which) = 0;
    VESK_RESERVED_SLOT(50)
    // Slot 51: end of a refill.
    virtual SlotInt Redraw() = 0;
    // Slot 52: writes the grid to a spreadsheet file.
    virtual SlotInt Export(const char* path, const char* extension) = 0;

protected:
    ~IRyxGridCtrl() = default;
};

} // namespace vesk
