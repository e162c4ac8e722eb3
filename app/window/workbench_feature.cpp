#include "app/window/workbench_feature.h"

#include "app/window/main_window.h"

namespace vesk::app {

WindowHandle WorkbenchFeature::FeatureWindow(SlotInt which)
{
    return which == 1 ? m_opened : 0;
}

SlotInt WorkbenchFeature::OpenFeature(const char* name, SlotInt arg)
{
    if (!name || name != kWorkbenchFeatureName || !m_window)
        return 0;
    m_opened = arg == kPeekWorkbench ? m_window->ExistingWorkbench() : m_window->OpenWorkbench();
    return m_opened > 0 ? 1 : 0;
}

} // namespace vesk::app
