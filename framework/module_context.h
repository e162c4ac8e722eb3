#pragma once
// Module resource contexts. Each module (the workbench module, each
// component) has a context holding its dialog templates; the current context
// decides where CDialog finds its template. Switch with ModuleContextGuard at
// every entry point that creates, shows, destroys or routes windows; the
// guard restores the caller's context on every exit path, exceptions included.
//
// Image files are found relative to the application's resource folder, set by
// the host (default: the current directory).

#include "framework/dialog_template.h"
#include "framework/win_types.h"

#include <string>

namespace vesk {

class ModuleContext {
public:
    explicit ModuleContext(std::string name);
    const std::string& Name() const { return m_name; }
    TemplateRegistry& Templates() { return m_templates; }
    const TemplateRegistry& Templates() const { return m_templates; }

private:
    std::string m_name;
    TemplateRegistry m_templates;
};

// The application's own context, current when no guard is active.
ModuleContext& ApplicationContext();
ModuleContext& CurrentModuleContext();

class ModuleContextGuard {
public:
    explicit ModuleContextGuard(ModuleContext& context);
    ~ModuleContextGuard();
    ModuleContextGuard(const ModuleContextGuard&) = delete;
    ModuleContextGuard& operator=(const ModuleContextGuard&) = delete;

private:
    ModuleContext* m_previous;
};

// The folder relative image paths resolve against; empty = current directory.
void SetResourceFolder(const std::string& folder);
std::string GetResourceFolder();
// "Skin\\WhiteBtn.bmp" → "<folder>/Skin/WhiteBtn.bmp"; absolute paths stay.
std::string ResolveResourcePath(const std::string& path);

} // namespace vesk
