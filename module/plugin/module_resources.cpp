#include "module/plugin/module_resources.h"

#include "filtering/filter_workbench.h"

namespace vesk {

ModuleContext& ModuleResources()
{
    static ModuleContext context = [] {
        ModuleContext made("3DVesk");
        made.Templates().Register(FilterWorkbenchTemplate());
        return made;
    }();
    return context;
}

} // namespace vesk
