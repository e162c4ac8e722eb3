#pragma once
// Records passed by pointer in message arguments.

#include "framework/geometry.h"
#include "framework/win_types.h"
#include "host/list_view_notify.h"

#include <cstddef>

namespace vesk {

// A queued input message as offered to pre-translation.
struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
    POINT pt; // cursor position in screen coordinates
};

// Header of every WM_NOTIFY; lParam points at it (or at a record starting with it).
struct NMHDR {
    HWND hwndFrom = nullptr;
    UINT_PTR idFrom = 0;
    UINT code = 0;
};
// Components built apart start their records with the host's NotifyHeader.
static_assert(sizeof(NMHDR) == sizeof(NotifyHeader));
static_assert(offsetof(NMHDR, idFrom) == offsetof(NotifyHeader, idFrom));
static_assert(offsetof(NMHDR, code) == offsetof(NotifyHeader, code));

// WM_DRAWITEM. For menu items hMenu names the menu and hwndItem is null.
struct DRAWITEMSTRUCT {
    UINT CtlType = 0;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemAction = 0;
    UINT itemState = 0;
    HWND hwndItem = nullptr;
    HMENU hMenu = nullptr;
    HDC hDC = nullptr;
    RECT rcItem;
    ULONG_PTR itemData = 0;
};

// WM_MEASUREITEM.
struct MEASUREITEMSTRUCT {
    UINT CtlType = 0;
    UINT CtlID = 0;
    UINT itemID = 0;
    UINT itemWidth = 0;
    UINT itemHeight = 0;
    ULONG_PTR itemData = 0;
};

struct SCROLLINFO {
    UINT cbSize = sizeof(SCROLLINFO);
    UINT fMask = 0;
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};

// WM_NCCALCSIZE: rgrc[0] holds the proposed window rectangle in parent
// coordinates on entry and the client rectangle on return.
struct NCCALCSIZE_PARAMS {
    RECT rgrc[3];
    void* lppos = nullptr;
};

struct TRACKMOUSEEVENT {
    DWORD cbSize = sizeof(TRACKMOUSEEVENT);
    DWORD dwFlags = 0;
    HWND hwndTrack = nullptr;
    DWORD dwHoverTime = 0;
};

struct BITMAP {
    LONG bmType = 0;
    LONG bmWidth = 0;
    LONG bmHeight = 0;
    LONG bmWidthBytes = 0;
    WORD bmPlanes = 1;
    WORD bmBitsPixel = 32;
    void* bmBits = nullptr;
};

// Tab item (TCM_GETITEMA / TCM_SETITEMA / TCM_INSERTITEMA).
inline constexpr UINT TCIF_TEXT = 0x0001;
inline constexpr UINT TCIF_IMAGE = 0x0002;
inline constexpr UINT TCIF_PARAM = 0x0008;
struct TCITEM {
    UINT mask = 0;
    DWORD dwState = 0;
    DWORD dwStateMask = 0;
    char* pszText = nullptr;
    int cchTextMax = 0;
    int iImage = -1;
    LPARAM lParam = 0;
};

} // namespace vesk
