#include "filtering/containers/left_tab_container.h"

#include "framework/styles.h"

namespace vesk {

namespace {

constexpr int kPageCount = 4;

} // namespace

DialogTemplate LeftTabContainerTemplate()
{
    return TabContainerTemplate(IDD_LEFT_TAB_CONTAINER);
}

LeftTabContainer::LeftTabContainer(IHostObject* host)
    : TabContainer(IDD_LEFT_TAB_CONTAINER)
    , m_fixed(kFixedConditionPage)
    , m_combined(kCombinedConditionPage)
    , m_editor(host)
    , m_count(host)
{
}

LeftTabContainer::~LeftTabContainer()
{
    // The pages' own destruction (state files, components) must run while
    // this container still exists as their parent.
    if (m_hWnd)
        DestroyWindow();
}

void LeftTabContainer::SetModuleInstance(IModule* module)
{
    m_fixed.SetModuleInstance(module);
    m_combined.SetModuleInstance(module);
}

BOOL LeftTabContainer::OnInitDialog()
{
    TabContainer::OnInitDialog();
    SetUpTabs({" 固定条件 ", " 组合条件 ", " 编辑器 ", " 号码次数 "});
    m_fixed.Create(this);
    ShowPage(m_fixed, true);
    m_combined.Create(this);
    m_editor.Create(this);
    m_count.Create(this);
    for (int index = 1; index < kPageCount; ++index)
        ShowPage(PageAt(index), false);
    return TRUE;
}

CWnd& LeftTabContainer::PageAt(int index)
{
    switch (index) {
    case 1: return m_combined;
    case 2: return m_editor;
    case 3: return m_count;
    default: return m_fixed;
    }
}

void LeftTabContainer::SelectLeftPage(int request)
{
    int index = 0;
    if (request == kLeftPageUserChoice)
        index = Tabs().GetCurSel();
    else if (request >= kLeftPageFixedConditions && request <= kLeftPageCount)
        index = request - 1;
    if (index < 0 || index >= kPageCount)
        index = 0;
    Tabs().SetCurSel(index);
    for (int other = 0; other < kPageCount; ++other)
        if (other != index)
            ShowPage(PageAt(other), false);
    ShowPage(PageAt(index), true);
}

int LeftTabContainer::CurrentLeftPage() const
{
    return Tabs().GetCurSel() + 1;
}

void LeftTabContainer::Layout(int width, int height)
{
    if (Tabs().GetSafeHwnd())
        Tabs().SetWindowPos(nullptr, 0, 0, width, height, SWP_NOZORDER);
    for (int index = 0; index < kPageCount; ++index)
        PlacePage(PageAt(index), 8, 30, width - 16, height - 38);
}

} // namespace vesk
