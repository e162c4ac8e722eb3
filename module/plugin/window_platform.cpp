#include "module/plugin/window_platform.h"

#include "filtering/filter_workbench.h"
#include "framework/interaction.h"
#include "framework/styles.h"
#include "framework/win_structs.h"
#include "module/core/program_search.h"
#include "module/plugin/module_resources.h"

#include <QProcess>
#include <QString>

#include <cstdlib>

namespace vesk {

namespace {

class GuardScope final : public IModulePlatform::ContextScope {
public:
    GuardScope() : m_guard(ModuleResources()) {}

private:
    ModuleContextGuard m_guard;
};

FilterWorkbench* AsWorkbench(void* workbench)
{
    return static_cast<FilterWorkbench*>(workbench);
}

} // namespace

std::unique_ptr<IModulePlatform::ContextScope> WindowPlatform::EnterModuleContext()
{
    return std::make_unique<GuardScope>();
}

void* WindowPlatform::CreateWorkbench(IModule* owner, WindowHandle parent)
{
    auto workbench = std::make_unique<FilterWorkbench>(owner);
    if (!workbench->CreateIn(CWnd::FromWindowHandle(parent)))
        return nullptr;
    return workbench.release();
}

void WindowPlatform::DestroyWorkbench(void* workbench)
{
    FilterWorkbench* window = AsWorkbench(workbench);
    if (window && window->IsWindow())
        window->DestroyWindow();
    delete window;
}

WindowHandle WindowPlatform::WorkbenchWindow(void* workbench)
{
    return AsWorkbench(workbench)->ToWindowHandle();
}

void WindowPlatform::RefreshWorkbench(void* workbench)
{
    AsWorkbench(workbench)->RefreshAll();
}

void WindowPlatform::FillEditorNumbers(void* workbench, void* array)
{
    AsWorkbench(workbench)->FillEditorNumbers(array);
}

Rect WindowPlatform::ClientRect(WindowHandle window)
{
    RECT rect{};
    if (CWnd* wnd = CWnd::FromWindowHandle(window))
        wnd->GetClientRect(&rect);
    return rect;
}

void WindowPlatform::MoveWindow(WindowHandle window, const Rect& rect)
{
    if (CWnd* wnd = CWnd::FromWindowHandle(window))
        wnd->MoveWindow(rect, TRUE);
}

void WindowPlatform::ShowWindow(WindowHandle window, SlotInt showCommand)
{
    if (CWnd* wnd = CWnd::FromWindowHandle(window))
        wnd->ShowWindow(static_cast<int>(showCommand));
}

void WindowPlatform::ShowInformation(const std::string& text, const std::string& caption)
{
    Interaction().MessageBox({nullptr, text, caption, MB_OK | MB_ICONINFORMATION});
}

void WindowPlatform::StartCalculator()
{
    const char* path = std::getenv("PATH");
    const auto program = FindProgram(path ? path : "", kCalculatorPrograms);
    if (program && QProcess::startDetached(QString::fromStdString(*program), {}))
        return;
    ShowInformation("没有找到计算器程序。请安装一个计算器（例如 gnome-calculator 或 galculator）。",
                    "提示信息");
}

SlotInt WindowPlatform::PreTranslateMessage(void* message)
{
    auto* msg = static_cast<MSG*>(message);
    return msg && CWnd::WalkPreTranslateTree(nullptr, msg) ? 1 : 0;
}

} // namespace vesk
