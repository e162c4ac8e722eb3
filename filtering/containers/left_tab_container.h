#pragma once
// LeftTabContainer (template 8355): the workbench's pages on which numbers
// are made and examined, behind the tabs 固定条件, 组合条件, 编辑器 and
// 号码次数. The container owns the four pages; the workbench calls them
// directly and picks the page in front with SelectLeftPage.

#include "filtering/condition_page.h"
#include "filtering/containers/tab_container.h"
#include "pages/editor/editor_page.h"
#include "pages/text/count_page.h"

namespace vesk {

class IModule;

inline constexpr UINT IDD_LEFT_TAB_CONTAINER = 8355;

DialogTemplate LeftTabContainerTemplate();

// Pages by the numbers SelectLeftPage and CurrentLeftPage use.
enum LeftPage : int {
    kLeftPageUserChoice = 0,
    kLeftPageFixedConditions = 1,
    kLeftPageCombinedConditions = 2,
    kLeftPageEditor = 3,
    kLeftPageCount = 4,
};

class LeftTabContainer : public TabContainer {
public:
    // host: borrowed, for the editor and count pages.
    explicit LeftTabContainer(IHostObject* host);
    ~LeftTabContainer() override;

    // Handed to both condition pages before they are created.
    void SetModuleInstance(IModule* module);

    // 1..4 the page of that number, 0 the tab the user selected, anything
    // else the fixed-condition page. Only the chosen page is shown.
    void SelectLeftPage(int request);
    // The selected tab's page number, 1..4.
    int CurrentLeftPage() const;

    ConditionPage& FixedConditions() { return m_fixed; }
    ConditionPage& CombinedConditions() { return m_combined; }
    EditorPage& Editor() { return m_editor; }
    CountPage& Counts() { return m_count; }

protected:
    BOOL OnInitDialog() override;
    void Layout(int width, int height) override;
    void OnTabChanged() override { SelectLeftPage(kLeftPageUserChoice); }

private:
    CWnd& PageAt(int index);

    ConditionPage m_fixed;
    ConditionPage m_combined;
    EditorPage m_editor;
    CountPage m_count;
};

} // namespace vesk
