#include "components/features/tools/tools_feature.h"

#include "components/features/tools/tools_window.h"

namespace vesk::tools {

QWidget* ToolsFeature::MakeWindow(QWidget* parent)
{
    auto* window = new ToolsWindow(&Host(), parent);
    window->sendNumbers = [this](const std::vector<std::uint32_t>& codes, analysis::HandOffMode mode) { SendToWorkbench(codes, mode); };
    window->SetWorkbenchSource([this] { return WorkbenchResults(); });
    return window;
}

ToolsWindow* ToolsFeature::Tools() const
{
    return static_cast<ToolsWindow*>(Window());
}

void ToolsFeature::Opened()
{
    if (ToolsWindow* window = Tools())
        window->ShowTool(Code());
}

void ToolsFeature::HistoryChanged()
{
    if (ToolsWindow* window = Tools())
        window->ReloadHistory();
}

} // namespace vesk::tools
