#pragma once
// CBaseMenu: a popup menu that turns every item of a popup (and of its
// submenus) into an owner-drawn item and then measures and paints the items
// itself in the workbench's light colours. Use: construct, create an empty
// popup, append items, MakeOwnerDrawn, TrackPopupMenu, DestroyPopup.

#include "framework/cimagelist.h"
#include "framework/cmenu.h"
#include "framework/gdi_objects.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vesk {

class CBaseMenu : public CMenu {
public:
    // What the menu keeps for one item, handed to the system as item data.
    struct ItemRecord {
        std::string text; // empty for separators
        UINT id = 0;      // 0 separator, (UINT)-1 submenu
        int image = -1;   // index into the image list, -1 none
    };

    // Loads the check icon from "Skin\Checked.ico" and creates the menu font.
    CBaseMenu();
    ~CBaseMenu() override;

    // Converts every item of the menu and of its submenus; a menu already
    // converted is left as it is.
    void MakeOwnerDrawn(HMENU menu);
    // Forgets a converted menu and destroys it.
    void DestroyPopup(HMENU menu);

    void MeasureItem(MEASUREITEMSTRUCT* item) override;
    void DrawItem(DRAWITEMSTRUCT* item) override;

    // Optional images by command id; not set by the workbench's own menus.
    void SetImageList(CImageList* images) { m_images = images; }
    void MapImage(UINT id, int index) { m_imageMap[id] = index; }

    size_t RecordCount() const { return m_records.size(); }
    CFont& Font() { return m_font; }

private:
    CImageList* m_images = nullptr;
    HICON m_checkIcon = nullptr;
    CFont m_font;
    std::vector<std::unique_ptr<ItemRecord>> m_records;
    std::unordered_map<UINT, int> m_imageMap;
    std::unordered_set<HMENU> m_converted;
};

} // namespace vesk
