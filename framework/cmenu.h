#pragma once
// CMenu: a popup menu of items (text, command id, flags, item data,
// submenus). TrackPopupMenu asks the interaction provider for the user's
// choice; the real provider shows a popup that measures and draws owner-drawn
// items through the owner window's WM_MEASUREITEM and WM_DRAWITEM, which
// reach MeasureItem and DrawItem of the menu's CMenu (or of the tracked one).
// A CMenu destroys the menu it holds when it is destroyed.

#include "framework/gdi_constants.h"
#include "framework/geometry.h"
#include "framework/win_structs.h"
#include "framework/win_types.h"

#include <string>
#include <vector>

namespace vesk {

class CWnd;

struct MenuItem {
    UINT flags = MF_STRING;   // MF_SEPARATOR, MF_POPUP, MF_OWNERDRAW, MF_GRAYED, MF_CHECKED
    UINT id = 0;              // command id; 0 for a separator
    std::string text;         // "" for separators and owner-drawn items
    ULONG_PTR itemData = 0;   // owner-drawn items: the caller's data
    HMENU submenu = nullptr;  // MF_POPUP items
};

struct MenuData {
    std::vector<MenuItem> items;
};

BOOL IsMenu(HMENU menu);
BOOL DestroyMenu(HMENU menu);

class CMenu {
public:
    CMenu() = default;
    virtual ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;

    BOOL CreatePopupMenu();
    BOOL CreateMenu() { return CreatePopupMenu(); }
    BOOL DestroyMenu();
    BOOL Attach(HMENU menu);
    HMENU Detach();
    HMENU GetSafeHmenu() const { return m_hMenu; }
    operator HMENU() const { return m_hMenu; }
    // The attached CMenu of a handle, or null.
    static CMenu* FromHandlePermanent(HMENU menu);

    // idOrSubmenu is a command id, or the HMENU cast to UINT_PTR with MF_POPUP.
    BOOL AppendMenu(UINT flags, UINT_PTR idOrSubmenu = 0, LPCSTR text = nullptr);
    BOOL InsertMenu(UINT position, UINT flags, UINT_PTR idOrSubmenu = 0, LPCSTR text = nullptr);
    // With MF_OWNERDRAW, newItem is the item data; otherwise the text.
    BOOL ModifyMenu(UINT position, UINT flags, UINT_PTR idOrSubmenu = 0, const void* newItem = nullptr);
    BOOL RemoveMenu(UINT position, UINT flags);
    BOOL DeleteMenu(UINT position, UINT flags);
    UINT GetMenuItemCount() const;
    // -1 (as UINT) for an item that opens a submenu, 0 for a separator.
    UINT GetMenuItemID(int position) const;
    int GetMenuString(UINT item, CString& text, UINT flags) const;
    // The item's flags (MF_GRAYED, MF_CHECKED, MF_POPUP, ...), or -1 (as UINT).
    UINT GetMenuState(UINT item, UINT flags) const;
    HMENU GetSubMenuHandle(int position) const;
    UINT EnableMenuItem(UINT item, UINT enable);
    UINT CheckMenuItem(UINT item, UINT check);
    // Shows the menu at (x, y) in screen coordinates for owner; returns the
    // chosen command id (0 when dismissed) when TPM_RETURNCMD, else posts
    // WM_COMMAND with it to owner and returns TRUE when an item was chosen.
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const RECT* unused = nullptr);

    virtual void MeasureItem(MEASUREITEMSTRUCT* item) {}
    virtual void DrawItem(DRAWITEMSTRUCT* item) {}

    // Finds an item by position (MF_BYPOSITION) or command id (searching submenus).
    static MenuItem* FindItem(HMENU menu, UINT item, UINT flags, HMENU* owner = nullptr);

private:
    BOOL TakeItem(UINT position, UINT flags, bool destroySubmenu);
};

} // namespace vesk
