#pragma once
// RightTabContainer (template 8356): the pages on which numbers end up. The
// result page stands behind 缩水器 (result view) and 回收区 (recycle view),
// the staging page behind 暂存区. Every page change is told to the parent
// (the workbench) with WM_RIGHT_PAGE_CHANGED.

#include "filtering/containers/tab_container.h"
#include "pages/result/result_page.h"
#include "pages/text/staging_page.h"

#include <cstdint>

namespace vesk {

class ModuleApp;
struct ListSnapshot;

inline constexpr UINT IDD_RIGHT_TAB_CONTAINER = 8356;
inline constexpr UINT WM_RIGHT_PAGE_CHANGED = 1035;

enum RightPage : int {
    kRightPageResults = 0,
    kRightPageRecycle = 1,
    kRightPageStaging = 2,
};

DialogTemplate RightTabContainerTemplate();

class RightTabContainer : public TabContainer {
public:
    // app: the module's application object with its host (borrowed).
    explicit RightTabContainer(ModuleApp& app);
    ~RightTabContainer() override;

    // Selects tab index (a bad index keeps the current tab), shows its page
    // in the matching view and tells the parent.
    void SelectRightPage(int index);
    // 101 takes a snapshot of the result list into snapshot, 102 restores
    // it; other codes are ignored.
    void ForwardSnapshotRequest(std::uintptr_t code, ListSnapshot* snapshot);

    result::ResultPage& Results() { return m_result; }
    StagingPage& Staging() { return m_staging; }

protected:
    BOOL OnInitDialog() override;
    void Layout(int width, int height) override;
    void OnTabChanged() override { SelectRightPage(Tabs().GetCurSel()); }

private:
    result::ResultPage m_result;
    StagingPage m_staging;
};

} // namespace vesk
