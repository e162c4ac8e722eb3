#include "module/plugin/module_resources.h"

#include "filtering/condition_page.h"
#include "filtering/filter_workbench.h"
#include "pages/options/options_dialog.h"
#include "pages/result/result_templates.h"

namespace vesk {

ModuleContext& ModuleResources()
{
    static ModuleContext context = [] {
        ModuleContext made("3DVesk");
        made.Templates().Register(FilterWorkbenchTemplate());
        made.Templates().Register(FixedConditionPageTemplate());
        made.Templates().Register(CombinedConditionPageTemplate());
        made.Templates().Register(result::ResultPageTemplate());
        made.Templates().Register(result::NumberInputTemplate());
        made.Templates().Register(options::OptionsDialogTemplate());
        return made;
    }();
    return context;
}

} // namespace vesk
