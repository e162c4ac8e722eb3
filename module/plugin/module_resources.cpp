#include "module/plugin/module_resources.h"

#include "filtering/condition_page.h"
#include "filtering/containers/left_tab_container.h"
#include "filtering/containers/right_tab_container.h"
#include "filtering/filter_workbench.h"
#include "filtering/grouping/grouping_panel.h"
#include "pages/editor/editor_page.h"
#include "pages/options/options_dialog.h"
#include "pages/result/result_templates.h"
#include "pages/text/count_page.h"
#include "pages/text/staging_page.h"

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
        made.Templates().Register(GroupingPanelTemplate());
        made.Templates().Register(EditorPageTemplate());
        made.Templates().Register(CountPageTemplate());
        made.Templates().Register(StagingPageTemplate());
        made.Templates().Register(LeftTabContainerTemplate());
        made.Templates().Register(RightTabContainerTemplate());
        return made;
    }();
    return context;
}

} // namespace vesk
