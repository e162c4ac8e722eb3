#pragma once
// Row 8's sibling feature module ("VeskTools.dll", "IVeskToolkit"): the
// betting guide and the list tools, codes 0x50-0x54. The host opens it with
// the code alone and initialises it after; numbers go to the workbench
// through the host.

#include "components/features/kit/feature_base.h"

namespace vesk::tools {

class ToolsWindow;

class ToolsFeature final : public features::FeatureBase {
public:
    ToolsFeature() : FeatureBase(features::OpenArguments::CodeOnly) {}

protected:
    QWidget* MakeWindow(QWidget* parent) override;
    void Opened() override;
    void HistoryChanged() override;

private:
    ToolsWindow* Tools() const;
};

} // namespace vesk::tools
