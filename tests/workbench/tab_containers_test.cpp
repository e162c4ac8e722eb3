// The two tab containers on their own, with the real pages and components on
// the host services in a temporary folder: requests that no click can make
// and what the parent is told.
#include "application/module_app.h"
#include "app/services/host_object.h"
#include "filtering/containers/left_tab_container.h"
#include "filtering/containers/right_tab_container.h"
#include "numbers/list_snapshot.h"
#include "pages/editor/editor_page.h"
#include "pages/result/result_templates.h"
#include "pages/text/count_page.h"
#include "pages/text/staging_page.h"
#include "tests/support/build_folders.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace vesk::test {
namespace {

constexpr UINT kParentTemplate = 9700;

// The workbench's place: counts the page changes it is told.
class ParentWindow : public CDialog {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_RIGHT_PAGE_CHANGED)
            ++rightPageChanges;
        return CDialog::WindowProc(message, wParam, lParam);
    }
    int rightPageChanges = 0;
};

class TabContainers : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string folder = test::BuildFolder();
        SetResourceFolder(folder);
        host = std::make_unique<app::HostObject>(
            app::HostConfig{app::HostPaths::UnderRoot(root.Path()), folder + "plugins/", "", ""});
        ModuleApp::Instance().Attach(host.get());
        DialogTemplate parent;
        parent.id = kParentTemplate;
        parent.style = WS_POPUP | WS_VISIBLE;
        parent.cx = 400;
        parent.cy = 300;
        for (const DialogTemplate& made :
             {parent, FixedConditionPageTemplate(), CombinedConditionPageTemplate(), EditorPageTemplate(),
              CountPageTemplate(), result::ResultPageTemplate(), StagingPageTemplate(), LeftTabContainerTemplate(),
              RightTabContainerTemplate()})
            context.Templates().Register(made);
        ASSERT_TRUE(window.Create(kParentTemplate));
        ASSERT_TRUE(left.Create(&window));
        ASSERT_TRUE(right.Create(&window));
        left.MoveWindow(0, 0, 300, 400);
        right.MoveWindow(300, 0, 400, 400);
        left.ShowWindow(SW_SHOW); // as the workbench's layout does
        right.ShowWindow(SW_SHOW);
    }
    void TearDown() override
    {
        window.DestroyWindow();
        ModuleApp::Instance().Attach(nullptr);
    }

    bool Shown(CWnd& page) { return page.IsWindowVisible() != FALSE; }
    std::vector<bool> LeftShown()
    {
        return {Shown(left.FixedConditions()), Shown(left.CombinedConditions()), Shown(left.Editor()),
                Shown(left.Counts())};
    }

    TempFolder root;
    std::unique_ptr<app::HostObject> host;
    ModuleContext context{"containers-test"};
    ModuleContextGuard guard{context};
    ParentWindow window;
    LeftTabContainer left{ModuleApp::Instance().Host()};
    RightTabContainer right{ModuleApp::Instance()};
};

TEST_F(TabContainers, TheLeftRequestsShowOnePageAndUnknownOnesTheFixedConditions)
{
    EXPECT_EQ(left.Tabs().GetItemText(1), " 组合条件 ");
    EXPECT_EQ(LeftShown(), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(left.CurrentLeftPage(), 1);
    left.SelectLeftPage(4);
    EXPECT_EQ(LeftShown(), (std::vector<bool>{false, false, false, true}));
    EXPECT_EQ(left.CurrentLeftPage(), 4);
    left.SelectLeftPage(7);
    EXPECT_EQ(LeftShown(), (std::vector<bool>{true, false, false, false}));
    left.SelectLeftPage(3);
    left.SelectLeftPage(1);
    EXPECT_EQ(LeftShown(), (std::vector<bool>{true, false, false, false}));
    left.Tabs().SetCurSel(1);
    left.SelectLeftPage(0); // the tab the user chose
    EXPECT_EQ(LeftShown(), (std::vector<bool>{false, true, false, false}));
    EXPECT_EQ(left.CurrentLeftPage(), 2);
    // Every page below the tab heads, inside the frame.
    RECT page;
    left.Editor().GetWindowRect(&page);
    left.ScreenToClient(&page);
    EXPECT_EQ(page.left, 8);
    EXPECT_EQ(page.top, 30);
    EXPECT_EQ(page.right - page.left, 300 - 16);
    EXPECT_EQ(page.bottom - page.top, 400 - 38);
}

TEST_F(TabContainers, TheRightRequestsPickTheViewAndTellTheParentEveryTime)
{
    EXPECT_EQ(right.Tabs().GetItemText(2), "  暂存区  ");
    EXPECT_TRUE(Shown(right.Results()));
    EXPECT_FALSE(Shown(right.Staging()));
    right.SelectRightPage(1);
    EXPECT_EQ(right.Results().CurrentView(), result::View::Recycle);
    EXPECT_TRUE(Shown(right.Results()));
    EXPECT_EQ(window.rightPageChanges, 1);
    right.SelectRightPage(2);
    EXPECT_FALSE(Shown(right.Results()));
    EXPECT_TRUE(Shown(right.Staging()));
    right.SelectRightPage(9); // no such tab: the staging page stays
    EXPECT_EQ(right.Tabs().GetCurSel(), 2);
    EXPECT_TRUE(Shown(right.Staging()));
    EXPECT_EQ(window.rightPageChanges, 3);
    right.SelectRightPage(0);
    EXPECT_EQ(right.Results().CurrentView(), result::View::Result);
    EXPECT_FALSE(Shown(right.Staging()));

    ListSnapshot snapshot{};
    right.ForwardSnapshotRequest(100, &snapshot); // not a request: untouched
    EXPECT_EQ(snapshot.marker, 0);
}

} // namespace
} // namespace vesk::test
