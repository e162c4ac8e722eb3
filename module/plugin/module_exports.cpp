// The library's two exports: the host creates and releases the module
// instance through them, naming the module by its 32-byte record.
#include "host/module_interface.h"
#include "application/module_app.h"
#include "module/core/module_instance.h"
#include "module/plugin/window_platform.h"

#include <new>

using vesk::IModule;
using vesk::kModuleName;
using vesk::ModuleNameRecord;

extern "C" __attribute__((visibility("default"))) std::intptr_t DllCreateInstance(const ModuleNameRecord* name,
                                                                                  void** out)
{
    if (!name || !out || !(*name == kModuleName))
        return 0;
    auto* instance = new (std::nothrow)
        vesk::ModuleInstance(vesk::ModuleApp::Instance(), std::make_unique<vesk::WindowPlatform>());
    if (!instance)
        return 0;
    return static_cast<IModule*>(instance)->QueryModule(reinterpret_cast<IModule**>(out)) != 0 ? 1 : 0;
}

extern "C" __attribute__((visibility("default"))) std::intptr_t DllReleaseInstance(void** ref)
{
    if (!ref || !*ref)
        return 0;
    auto* module = static_cast<IModule*>(*ref);
    ModuleNameRecord name{};
    module->GetModuleName(&name);
    if (!(name == kModuleName))
        return 0;
    module->Destroy(1);
    *ref = nullptr;
    return 1;
}
