#pragma once
// The workbench as a named host feature ("Workbench"): the features that the
// module opens with their code alone have no module to ask, so a hand-off of
// numbers opens the workbench through the host, which selects its tree item.
// Opened with kPeekWorkbench it only answers the workbench's window when the
// workbench was made already, opening nothing: a feature reads its result
// list so and stays open.

#include "app/services/host_features.h"

#include <string_view>

namespace vesk::app {

class MainWindow;

inline constexpr std::string_view kWorkbenchFeatureName = "Workbench";
inline constexpr SlotInt kPeekWorkbench = 1;

class WorkbenchFeature final : public HostFeatures {
public:
    // window: set before the module runs; may be null until then.
    void SetWindow(MainWindow* window) { m_window = window; }

    WindowHandle FeatureWindow(SlotInt which) override;
    SlotInt OpenFeature(const char* name, SlotInt arg) override;

private:
    MainWindow* m_window = nullptr;
    WindowHandle m_opened = 0;
};

} // namespace vesk::app
