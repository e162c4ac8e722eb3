// Popup menus and their items.
#include "framework/cmenu.h"

#include "framework/cwnd.h"
#include "framework/interaction.h"
#include "framework/window_internal.h"

#include <QPointer>

#include <unordered_map>
#include <unordered_set>

namespace vesk {

namespace {

std::unordered_set<const MenuData*>& Menus()
{
    static std::unordered_set<const MenuData*> menus;
    return menus;
}

std::unordered_map<const MenuData*, CMenu*>& Attached()
{
    static std::unordered_map<const MenuData*, CMenu*> attached;
    return attached;
}

HMENU g_tracked = nullptr;

MenuItem* ItemAt(HMENU menu, UINT item, UINT flags, HMENU* owner)
{
    if (!IsMenu(menu))
        return nullptr;
    if (flags & MF_BYPOSITION) {
        if (item >= menu->items.size())
            return nullptr;
        if (owner)
            *owner = menu;
        return &menu->items[item];
    }
    for (MenuItem& entry : menu->items) {
        if (!(entry.flags & MF_POPUP) && !(entry.flags & MF_SEPARATOR) && entry.id == item) {
            if (owner)
                *owner = menu;
            return &entry;
        }
        if (entry.flags & MF_POPUP)
            if (MenuItem* found = ItemAt(entry.submenu, item, flags, owner))
                return found;
    }
    return nullptr;
}

MenuItem MakeItem(UINT flags, UINT_PTR idOrSubmenu, const void* newItem)
{
    MenuItem item;
    item.flags = flags & ~MF_BYPOSITION;
    if (flags & MF_POPUP)
        item.submenu = reinterpret_cast<HMENU>(idOrSubmenu);
    else if (!(flags & MF_SEPARATOR))
        item.id = static_cast<UINT>(idOrSubmenu);
    if (flags & MF_OWNERDRAW)
        item.itemData = reinterpret_cast<ULONG_PTR>(newItem);
    else if (!(flags & MF_SEPARATOR) && newItem)
        item.text = static_cast<const char*>(newItem);
    return item;
}

} // namespace

namespace detail {

CMenu* MenuForItem(HMENU menu)
{
    if (CMenu* own = CMenu::FromHandlePermanent(menu))
        return own;
    return CMenu::FromHandlePermanent(g_tracked);
}

HMENU MenuOfMeasuredItem(const MEASUREITEMSTRUCT* item)
{
    // Find the (sub)menu of the tracked menu that holds this owner-drawn item.
    std::vector<HMENU> pending{g_tracked};
    while (!pending.empty()) {
        HMENU menu = pending.back();
        pending.pop_back();
        if (!IsMenu(menu))
            continue;
        for (const MenuItem& entry : menu->items) {
            if ((entry.flags & MF_OWNERDRAW) && entry.itemData == item->itemData && entry.id == item->itemID)
                return menu;
            if (entry.flags & MF_POPUP)
                pending.push_back(entry.submenu);
        }
    }
    return g_tracked;
}

} // namespace detail

BOOL IsMenu(HMENU menu) { return menu && Menus().count(menu) ? TRUE : FALSE; }

BOOL DestroyMenu(HMENU menu)
{
    if (!IsMenu(menu))
        return FALSE;
    for (MenuItem& entry : menu->items)
        if (entry.flags & MF_POPUP)
            DestroyMenu(entry.submenu);
    Menus().erase(menu);
    if (auto it = Attached().find(menu); it != Attached().end()) {
        it->second->m_hMenu = nullptr;
        Attached().erase(it);
    }
    delete menu;
    return TRUE;
}

CMenu::~CMenu() { DestroyMenu(); }

BOOL CMenu::CreatePopupMenu()
{
    if (m_hMenu)
        return FALSE;
    m_hMenu = new MenuData;
    Menus().insert(m_hMenu);
    Attached()[m_hMenu] = this;
    return TRUE;
}

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu)
        return FALSE;
    HMENU menu = Detach();
    return vesk::DestroyMenu(menu);
}

BOOL CMenu::Attach(HMENU menu)
{
    if (m_hMenu || !IsMenu(menu))
        return FALSE;
    m_hMenu = menu;
    // A menu already held by its owner stays its owner's: a passing view
    // attached to edit it must not take the owner's place, or the owner
    // would no longer measure and draw its items.
    Attached().emplace(menu, this);
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU menu = m_hMenu;
    if (menu)
        if (auto it = Attached().find(menu); it != Attached().end() && it->second == this)
            Attached().erase(it);
    m_hMenu = nullptr;
    return menu;
}

CMenu* CMenu::FromHandlePermanent(HMENU menu)
{
    auto it = Attached().find(menu);
    return it == Attached().end() ? nullptr : it->second;
}

MenuItem* CMenu::FindItem(HMENU menu, UINT item, UINT flags, HMENU* owner) { return ItemAt(menu, item, flags, owner); }

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idOrSubmenu, LPCSTR text)
{
    if (!m_hMenu)
        return FALSE;
    m_hMenu->items.push_back(MakeItem(flags, idOrSubmenu, text));
    return TRUE;
}

BOOL CMenu::InsertMenu(UINT position, UINT flags, UINT_PTR idOrSubmenu, LPCSTR text)
{
    if (!m_hMenu)
        return FALSE;
    auto& items = m_hMenu->items;
    size_t at = items.size();
    if (flags & MF_BYPOSITION) {
        at = std::min<size_t>(position, items.size());
    } else {
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i].id == position && !(items[i].flags & MF_POPUP)) {
                at = i;
                break;
            }
    }
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), MakeItem(flags, idOrSubmenu, text));
    return TRUE;
}

BOOL CMenu::ModifyMenu(UINT position, UINT flags, UINT_PTR idOrSubmenu, const void* newItem)
{
    MenuItem* item = ItemAt(m_hMenu, position, flags, nullptr);
    if (!item)
        return FALSE;
    MenuItem replacement = MakeItem(flags, idOrSubmenu, newItem);
    // A submenu stays attached when the item keeps opening it.
    if ((item->flags & MF_POPUP) && (flags & MF_POPUP) && !replacement.submenu)
        replacement.submenu = item->submenu;
    *item = replacement;
    return TRUE;
}

BOOL CMenu::RemoveMenu(UINT position, UINT flags) { return TakeItem(position, flags, false); }

BOOL CMenu::DeleteMenu(UINT position, UINT flags) { return TakeItem(position, flags, true); }

BOOL CMenu::TakeItem(UINT position, UINT flags, bool destroySubmenu)
{
    HMENU owner = nullptr;
    MenuItem* item = ItemAt(m_hMenu, position, flags, &owner);
    if (!item)
        return FALSE;
    if (destroySubmenu && (item->flags & MF_POPUP))
        vesk::DestroyMenu(item->submenu);
    owner->items.erase(owner->items.begin() + (item - owner->items.data()));
    return TRUE;
}

UINT CMenu::GetMenuItemCount() const { return IsMenu(m_hMenu) ? static_cast<UINT>(m_hMenu->items.size()) : static_cast<UINT>(-1); }

UINT CMenu::GetMenuItemID(int position) const
{
    if (!IsMenu(m_hMenu) || position < 0 || position >= static_cast<int>(m_hMenu->items.size()))
        return static_cast<UINT>(-1);
    const MenuItem& item = m_hMenu->items[static_cast<size_t>(position)];
    if (item.flags & MF_POPUP)
        return static_cast<UINT>(-1);
    return item.id;
}

int CMenu::GetMenuString(UINT item, CString& text, UINT flags) const
{
    const MenuItem* entry = ItemAt(m_hMenu, item, flags, nullptr);
    text = entry ? entry->text : CString();
    return static_cast<int>(text.size());
}

UINT CMenu::GetMenuState(UINT item, UINT flags) const
{
    const MenuItem* entry = ItemAt(m_hMenu, item, flags, nullptr);
    if (!entry)
        return static_cast<UINT>(-1);
    UINT state = entry->flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_POPUP | MF_SEPARATOR | MF_OWNERDRAW);
    if (entry->flags & MF_POPUP)
        state |= (IsMenu(entry->submenu) ? static_cast<UINT>(entry->submenu->items.size()) : 0) << 8;
    return state;
}

HMENU CMenu::GetSubMenuHandle(int position) const
{
    if (!IsMenu(m_hMenu) || position < 0 || position >= static_cast<int>(m_hMenu->items.size()))
        return nullptr;
    const MenuItem& item = m_hMenu->items[static_cast<size_t>(position)];
    return (item.flags & MF_POPUP) ? item.submenu : nullptr;
}

UINT CMenu::EnableMenuItem(UINT item, UINT enable)
{
    MenuItem* entry = ItemAt(m_hMenu, item, enable, nullptr);
    if (!entry)
        return static_cast<UINT>(-1);
    const UINT previous = entry->flags & (MF_GRAYED | MF_DISABLED);
    entry->flags = (entry->flags & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
    return previous;
}

UINT CMenu::CheckMenuItem(UINT item, UINT check)
{
    MenuItem* entry = ItemAt(m_hMenu, item, check, nullptr);
    if (!entry)
        return static_cast<UINT>(-1);
    const UINT previous = entry->flags & MF_CHECKED;
    entry->flags = (entry->flags & ~MF_CHECKED) | (check & MF_CHECKED);
    return previous;
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const RECT*)
{
    if (!IsMenu(m_hMenu))
        return FALSE;
    MenuRequest request;
    request.menu = m_hMenu;
    request.owner = owner ? owner->m_hWnd : nullptr;
    request.pt = POINT{x, y};
    HMENU previous = std::exchange(g_tracked, m_hMenu);
    const UINT chosen = Interaction().ChooseMenuItem(request);
    g_tracked = previous;
    if (flags & TPM_RETURNCMD)
        return static_cast<BOOL>(chosen);
    if (chosen != 0 && owner && owner->m_hWnd)
        owner->PostMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(chosen), 0), 0);
    return chosen != 0;
}

} // namespace vesk
