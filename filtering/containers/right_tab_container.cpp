#include "filtering/containers/right_tab_container.h"

#include "application/module_app.h"
#include "framework/styles.h"
#include "host/module_messages.h"

namespace vesk {

namespace {

constexpr int kTabHeight = 20;
// The pages overlap the tab heads' bottom line by one pixel, so the
// selected head runs into its page.
constexpr int kPageTop = 19;

} // namespace

DialogTemplate RightTabContainerTemplate()
{
    return TabContainerTemplate(IDD_RIGHT_TAB_CONTAINER);
}

RightTabContainer::RightTabContainer(ModuleApp& app)
    : TabContainer(IDD_RIGHT_TAB_CONTAINER)
    , m_result(app)
    , m_staging(app.Host())
{
}

RightTabContainer::~RightTabContainer()
{
    // The result page gives its lists back while its parent still exists.
    if (m_hWnd)
        DestroyWindow();
}

BOOL RightTabContainer::OnInitDialog()
{
    TabContainer::OnInitDialog();
    if (m_result.Create(this)) {
        m_result.SetViewMode(1);
        ShowPage(m_result, true);
    }
    SetUpTabs({"  缩水器  ", "  回收区  ", "  暂存区  "});
    m_staging.Create(this);
    ShowPage(m_staging, false);
    return TRUE;
}

void RightTabContainer::SelectRightPage(int index)
{
    Tabs().SetCurSel(index);
    switch (Tabs().GetCurSel()) {
    case kRightPageResults:
    case kRightPageRecycle:
        if (m_result.GetSafeHwnd())
            m_result.SetViewMode(Tabs().GetCurSel() == kRightPageResults ? 1 : 0);
        ShowPage(m_result, true);
        ShowPage(m_staging, false);
        break;
    case kRightPageStaging:
        ShowPage(m_result, false);
        ShowPage(m_staging, true);
        break;
    default: break;
    }
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_RIGHT_PAGE_CHANGED, 0, 0);
}

void RightTabContainer::ForwardSnapshotRequest(std::uintptr_t code, ListSnapshot* snapshot)
{
    if (!m_result.GetSafeHwnd())
        return;
    if (code == kSnapshotTake)
        m_result.TakeResultSnapshot(snapshot);
    else if (code == kSnapshotRestore)
        m_result.RestoreResultSnapshot(snapshot);
}

void RightTabContainer::Layout(int width, int height)
{
    if (Tabs().GetSafeHwnd())
        Tabs().SetWindowPos(nullptr, 0, 0, width, kTabHeight, SWP_NOZORDER);
    PlacePage(m_result, 0, kPageTop, width, height - kPageTop);
    PlacePage(m_staging, 0, kPageTop, width, height - kPageTop);
}

} // namespace vesk
