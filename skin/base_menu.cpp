#include "skin/base_menu.h"

#include "framework/cdc.h"
#include "skin/geometry/menu_layout.h"
#include "skin/skin_dc.h"

namespace vesk {

using namespace skin;

namespace {

constexpr COLORREF kItemBack = RGB(246, 246, 246);
constexpr COLORREF kStrip = RGB(186, 214, 251);
constexpr COLORREF kLine = RGB(172, 193, 222);
constexpr COLORREF kSelectedBack = RGB(255, 238, 194);
constexpr COLORREF kText = RGB(46, 53, 59);
constexpr COLORREF kGrayedText = RGB(165, 165, 165);

// Borrows a menu handle through the CMenu interface without taking it over.
class MenuView {
public:
    explicit MenuView(HMENU menu) { m_menu.Attach(menu); }
    ~MenuView() { m_menu.Detach(); }
    CMenu* operator->() { return &m_menu; }

private:
    CMenu m_menu;
};

} // namespace

CBaseMenu::CBaseMenu()
    : m_checkIcon(LoadIconFile("Skin\\Checked.ico"))
{
    m_font.CreateFont(12, 0, 0, 0, 400, 0, 0, 0, 1, 2, 1, 0, 0, "宋体");
}

CBaseMenu::~CBaseMenu()
{
    if (m_checkIcon)
        DestroyIcon(m_checkIcon);
    DestroyMenu();
}

void CBaseMenu::MakeOwnerDrawn(HMENU menu)
{
    if (!menu || !m_converted.insert(menu).second)
        return;
    MenuView view(menu);
    for (int pos = static_cast<int>(view->GetMenuItemCount()) - 1; pos >= 0; --pos) {
        auto record = std::make_unique<ItemRecord>();
        const UINT id = view->GetMenuItemID(pos);
        record->id = id;
        HMENU submenu = nullptr;
        if (id != 0) {
            view->GetMenuString(static_cast<UINT>(pos), record->text, MF_BYPOSITION);
            if (m_images) {
                const auto mapped = m_imageMap.find(id);
                if (mapped != m_imageMap.end())
                    record->image = mapped->second;
            }
            if (id == static_cast<UINT>(-1)) {
                submenu = view->GetSubMenuHandle(pos);
                MakeOwnerDrawn(submenu);
            }
        }
        const UINT state = view->GetMenuState(static_cast<UINT>(pos), MF_BYPOSITION);
        UINT flags = MF_BYPOSITION | MF_OWNERDRAW | (state & MF_SEPARATOR);
        UINT_PTR target = id;
        if (submenu) {
            flags |= MF_POPUP;
            target = reinterpret_cast<UINT_PTR>(submenu);
        }
        view->ModifyMenu(static_cast<UINT>(pos), flags, target, record.get());
        if (state & MF_GRAYED)
            view->EnableMenuItem(static_cast<UINT>(pos), MF_BYPOSITION | MF_GRAYED);
        if (state & MF_CHECKED)
            view->CheckMenuItem(static_cast<UINT>(pos), MF_BYPOSITION | MF_CHECKED);
        m_records.push_back(std::move(record));
    }
}

void CBaseMenu::DestroyPopup(HMENU menu)
{
    m_converted.erase(menu);
    if (menu == m_hMenu)
        DestroyMenu();
    else
        ::vesk::DestroyMenu(menu);
}

void CBaseMenu::MeasureItem(MEASUREITEMSTRUCT* item)
{
    const auto* record = reinterpret_cast<const ItemRecord*>(item->itemData);
    if (!record)
        return;
    if (record->id == 0) {
        item->itemHeight = kMenuSeparatorHeight;
        return;
    }
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CFont* previous = dc.SelectObject(&m_font);
    const CSize extent = dc.GetTextExtent(withoutAmpersands(record->text));
    dc.SelectObject(previous);
    const MenuItemSize size = menuItemSize(false, extent.cx);
    item->itemWidth = static_cast<UINT>(size.width);
    item->itemHeight = static_cast<UINT>(size.height);
}

void CBaseMenu::DrawItem(DRAWITEMSTRUCT* item)
{
    const auto* record = reinterpret_cast<const ItemRecord*>(item->itemData);
    CDC* target = CDC::FromHandle(item->hDC);
    if (!record || !target)
        return;
    const CRect rect(item->rcItem);
    const int w = rect.Width();
    const int h = rect.Height();
    MemoryCanvas canvas(target, w, h);
    CDC* dc = canvas.dc();
    dc->FillSolidRect(0, 0, w, h, kItemBack);
    dc->FillSolidRect(0, 0, kMenuStripWidth, h, kStrip);
    dc->SetBkMode(TRANSPARENT);

    if (record->id == 0) {
        CPen line(PS_SOLID, 1, kLine);
        CPen* previous = dc->SelectObject(&line);
        dc->MoveTo(kMenuTextLeft, h / 2);
        dc->LineTo(w, h / 2);
        dc->SelectObject(previous);
    } else {
        const bool selected = (item->itemState & ODS_SELECTED) != 0;
        const bool grayed = (item->itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
        const bool checked = (item->itemState & ODS_CHECKED) != 0;
        const MenuText text = splitMenuText(record->text);
        if (selected) {
            CPen outline(PS_SOLID, 1, kLine);
            CBrush fill(kSelectedBack);
            CPen* oldPen = dc->SelectObject(&outline);
            CBrush* oldBrush = dc->SelectObject(&fill);
            dc->Rectangle(0, 0, w, h);
            dc->SelectObject(oldPen);
            dc->SelectObject(oldBrush);
        }
        dc->SetTextColor(grayed ? kGrayedText : kText);
        CFont* previous = dc->SelectObject(&m_font);
        dc->DrawText(text.label, menuLabelRect(w, h), DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        if (!text.shortcut.empty())
            dc->DrawText(text.shortcut, menuShortcutRect(w, h), DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
        dc->SelectObject(previous);
        if (checked && m_checkIcon) {
            const Rect icon = menuCheckIconRect();
            dc->DrawIconEx(icon.left, icon.top, m_checkIcon, width(icon), height(icon));
        } else if (record->image >= 0 && m_images) {
            HICON icon = m_images->ExtractIcon(record->image);
            if (icon) {
                dc->DrawState(CPoint(3, 3), CSize(16, 16), icon, DST_ICON | (grayed ? DSS_DISABLED : DSS_NORMAL));
                DestroyIcon(icon);
            }
        }
    }
    canvas.CopyTo(target, rect.left, rect.top);
}

} // namespace vesk
