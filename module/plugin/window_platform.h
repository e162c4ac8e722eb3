#pragma once
// The module instance's platform over the window framework: the workbench
// dialog, placement of feature windows, message boxes through the
// interaction provider, the desktop calculator and the module's resource
// context.

#include "module/core/module_platform.h"

namespace vesk {

class WindowPlatform final : public IModulePlatform {
public:
    std::unique_ptr<ContextScope> EnterModuleContext() override;
    void* CreateWorkbench(IModule* owner, WindowHandle parent) override;
    void DestroyWorkbench(void* workbench) override;
    WindowHandle WorkbenchWindow(void* workbench) override;
    void RefreshWorkbench(void* workbench) override;
    void FillEditorNumbers(void* workbench, void* array) override;
    Rect ClientRect(WindowHandle window) override;
    void MoveWindow(WindowHandle window, const Rect& rect) override;
    void ShowWindow(WindowHandle window, SlotInt showCommand) override;
    void ShowInformation(const std::string& text, const std::string& caption) override;
    void StartCalculator() override;
    SlotInt PreTranslateMessage(void* message) override;
};

} // namespace vesk
