#pragma once
// A module context holding one child dialog template, for tests that need a
// module's page to put component windows into. Made once per name and id.

#include "framework/framework.h"

#include <map>
#include <memory>
#include <string>
#include <utility>

namespace vesk::test {

inline ModuleContext& PageModule(const std::string& name, UINT pageId)
{
    static std::map<std::pair<std::string, UINT>, std::unique_ptr<ModuleContext>> contexts;
    auto& context = contexts[{name, pageId}];
    if (!context) {
        context = std::make_unique<ModuleContext>(name);
        DialogTemplate page;
        page.id = pageId;
        page.style = WS_CHILD | WS_VISIBLE;
        page.cx = 100;
        page.cy = 100;
        context->Templates().Register(page);
    }
    return *context;
}

} // namespace vesk::test
