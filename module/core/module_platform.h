#pragma once
// What the module instance needs from the window system: the workbench
// window, window placement, message boxes, the calculator and the module's
// resource context. The plug-in implements it over the window framework;
// tests implement it with recorders, so the instance's rules run without Qt.

#include "host/win_types.h"

#include <memory>
#include <string>

namespace vesk {

class IModule;

class IModulePlatform {
public:
    virtual ~IModulePlatform() = default;

    // Restores the caller's resource context when destroyed.
    class ContextScope {
    public:
        virtual ~ContextScope() = default;
    };
    // Makes the module's templates and bitmaps the current resources.
    [[nodiscard]] virtual std::unique_ptr<ContextScope> EnterModuleContext() = 0;

    // The workbench as a modeless child dialog of parent; null on failure.
    // The platform owns it until DestroyWorkbench.
    virtual void* CreateWorkbench(IModule* owner, WindowHandle parent) = 0;
    // Destroys the window if it is still one, and deletes the object.
    virtual void DestroyWorkbench(void* workbench) = 0;
    virtual WindowHandle WorkbenchWindow(void* workbench) = 0;
    // Recomputes and shows the workbench's results again.
    virtual void RefreshWorkbench(void* workbench) = 0;
    // Fills array (a UIntArray) with the presence array of the editor's numbers.
    virtual void FillEditorNumbers(void* workbench, void* array) = 0;

    virtual Rect ClientRect(WindowHandle window) = 0;
    virtual void MoveWindow(WindowHandle window, const Rect& rect) = 0; // with repainting
    virtual void ShowWindow(WindowHandle window, SlotInt showCommand) = 0;

    // An ownerless information box (UTF-8 texts).
    virtual void ShowInformation(const std::string& text, const std::string& caption) = 0;
    // Starts the desktop's calculator, or tells the user there is none.
    virtual void StartCalculator() = 0;
    // The framework's own pre-translation for the module's dialogs.
    virtual SlotInt PreTranslateMessage(void* message) = 0;
};

} // namespace vesk
