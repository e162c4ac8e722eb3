#include "pages/text/text_page_template.h"

#include "framework/styles.h"

namespace vesk {

DialogTemplate TextPageTemplate(const TextPageIds& ids, const std::array<const char*, 4>& buttonTexts)
{
    DialogTemplate page;
    page.id = ids.templateId;
    page.style = WS_CHILD | DS_CONTROL | DS_SETFONT;
    page.cx = 220;
    page.cy = 200;
    page.controls.push_back({.id = static_cast<int>(ids.text), .windowClass = "Edit", .text = "", .x = 0, .y = 0,
                             .cx = 220, .cy = 180,
                             .style = ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP,
                             .exStyle = WS_EX_CLIENTEDGE, .hidden = false});
    for (std::size_t i = 0; i < ids.leftToRight.size(); ++i) {
        page.controls.push_back({.id = static_cast<int>(ids.leftToRight[i]), .windowClass = "Button",
                                 .text = buttonTexts[i], .x = 10 + 52 * static_cast<int>(i), .y = 186,
                                 .cx = 50, .cy = 14, .style = BS_PUSHBUTTON | WS_TABSTOP, .exStyle = 0, .hidden = false});
    }
    return page;
}

} // namespace vesk
