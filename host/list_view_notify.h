#pragma once
// The records a grid component sends its parent with WM_NOTIFY (lParam points
// at the record, wParam is the grid's control id). Module and components are
// built apart, so the layouts are fixed here: the list view's, with native
// pointer sizes. The framework's NMHDR has the layout of NotifyHeader, so a
// handler casts the NMHDR* it is given to the record its code announces.

#include <cstddef>
#include <cstdint>

namespace vesk {

// Notification codes of the grid (unsigned, as WM_NOTIFY carries them).
inline constexpr std::uint32_t kNotifyClick = static_cast<std::uint32_t>(-2);        // NM_CLICK
inline constexpr std::uint32_t kNotifyDoubleClick = static_cast<std::uint32_t>(-3);  // NM_DBLCLK
inline constexpr std::uint32_t kNotifyRightClick = static_cast<std::uint32_t>(-5);   // NM_RCLICK
inline constexpr std::uint32_t kNotifyColumnClick = static_cast<std::uint32_t>(-108); // LVN_COLUMNCLICK

struct NotifyHeader {
    void* hwndFrom;       // the sender's window handle
    std::uintptr_t idFrom; // the sender's control id
    std::uint32_t code;
};

struct NotifyPoint {
    std::int32_t x;
    std::int32_t y;
};

// LVN_COLUMNCLICK: iSubItem is the clicked column, iItem is -1.
struct NMLISTVIEW {
    NotifyHeader hdr;
    std::int32_t iItem;
    std::int32_t iSubItem;
    std::uint32_t uNewState;
    std::uint32_t uOldState;
    std::uint32_t uChanged;
    NotifyPoint ptAction; // client coordinates of the click
    std::intptr_t lParam;
};

// NM_CLICK, NM_DBLCLK, NM_RCLICK: iItem is the row (-1 below the last row),
// iSubItem the column; uKeyFlags holds LVKF_ALT 1, LVKF_CONTROL 2, LVKF_SHIFT 4.
struct NMITEMACTIVATE {
    NotifyHeader hdr;
    std::int32_t iItem;
    std::int32_t iSubItem;
    std::uint32_t uNewState;
    std::uint32_t uOldState;
    std::uint32_t uChanged;
    NotifyPoint ptAction;
    std::intptr_t lParam;
    std::uint32_t uKeyFlags;
};

static_assert(sizeof(void*) == 8, "the layouts below are those of a 64-bit build");
static_assert(sizeof(NotifyHeader) == 24 && offsetof(NotifyHeader, code) == 16);
static_assert(offsetof(NMLISTVIEW, iItem) == 24 && offsetof(NMLISTVIEW, iSubItem) == 28);
static_assert(offsetof(NMLISTVIEW, ptAction) == 44 && offsetof(NMLISTVIEW, lParam) == 56);
static_assert(sizeof(NMLISTVIEW) == 64);
static_assert(offsetof(NMITEMACTIVATE, iItem) == 24 && offsetof(NMITEMACTIVATE, uKeyFlags) == 64);
static_assert(sizeof(NMITEMACTIVATE) == 72);

} // namespace vesk
