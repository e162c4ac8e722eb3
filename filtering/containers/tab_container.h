#pragma once
// TabContainer: what the workbench's two tab containers share. A child
// dialog holding one skinned tab control (id 8537) with its pages as child
// dialogs on top of it. Controls get the pages' colours (SkinnedPage); the
// background itself is left to the tab control, which paints the whole area.

#include "skin/base_tab_ctrl.h"
#include "skin/skinned_page.h"

#include <initializer_list>

namespace vesk {

inline constexpr UINT IDC_CONTAINER_TABS = 8537;

// A container template: an empty child with the tab control.
DialogTemplate TabContainerTemplate(UINT id);

class TabContainer : public SkinnedPage {
public:
    explicit TabContainer(UINT templateId);
    ~TabContainer() override;

    BOOL Create(CWnd* parent);
    CBaseTabCtrl& Tabs() { return m_tabs; }
    const CBaseTabCtrl& Tabs() const { return m_tabs; }

protected:
    // Attaches the tab control and inserts texts at positions 0, 1, ...
    void SetUpTabs(std::initializer_list<const char*> texts);
    // Moves an existing page without touching the Z order.
    static void PlacePage(CWnd& page, int x, int y, int width, int height);
    static void ShowPage(CWnd& page, bool show);

    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    virtual void Layout(int width, int height) = 0;
    virtual void OnTabChanged() = 0;

private:
    CBaseTabCtrl m_tabs;
};

} // namespace vesk
