#include "filtering/containers/tab_container.h"

#include "framework/messages.h"
#include "framework/styles.h"

namespace vesk {

DialogTemplate TabContainerTemplate(UINT id)
{
    DialogTemplate dialog;
    dialog.id = id;
    dialog.cx = 200;
    dialog.cy = 150;
    dialog.style = WS_CHILD | DS_CONTROL | DS_SETFONT;
    // The rectangle is a placeholder: WM_SIZE places the tab control.
    dialog.controls = {
        {int(IDC_CONTAINER_TABS), "SysTabControl32", "", 0, 0, 200, 150, WS_TABSTOP},
    };
    return dialog;
}

TabContainer::TabContainer(UINT templateId) : SkinnedPage(templateId)
{
    HandleNotify(IDC_CONTAINER_TABS, TCN_SELCHANGE, [this](NMHDR*) {
        OnTabChanged();
        return LRESULT{0};
    });
}

TabContainer::~TabContainer() = default;

BOOL TabContainer::Create(CWnd* parent)
{
    return SkinnedPage::Create(m_templateId, parent);
}

BOOL TabContainer::OnInitDialog()
{
    SkinnedPage::OnInitDialog();
    m_tabs.SubclassDlgItem(IDC_CONTAINER_TABS, this);
    return TRUE;
}

void TabContainer::SetUpTabs(std::initializer_list<const char*> texts)
{
    int index = 0;
    for (const char* text : texts)
        m_tabs.InsertItem(index++, text);
}

void TabContainer::PlacePage(CWnd& page, int x, int y, int width, int height)
{
    if (page.GetSafeHwnd())
        page.SetWindowPos(nullptr, x, y, width, height, SWP_NOZORDER);
}

void TabContainer::ShowPage(CWnd& page, bool show)
{
    if (page.GetSafeHwnd())
        page.ShowWindow(show ? SW_SHOW : SW_HIDE);
}

LRESULT TabContainer::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // the tab control paints the area
    case WM_SIZE: {
        const LRESULT result = SkinnedPage::WindowProc(message, wParam, lParam);
        Layout(LOWORD(lParam), HIWORD(lParam));
        return result;
    }
    default: return SkinnedPage::WindowProc(message, wParam, lParam);
    }
}

} // namespace vesk
