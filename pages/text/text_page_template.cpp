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
    page.controls.push_back(PageControl(ids.text, "Edit", "", 0, 0, 220, 180,
        ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP));
    page.controls.back().exStyle = WS_EX_CLIENTEDGE;
    for (std::size_t i = 0; i < ids.leftToRight.size(); ++i) {
        page.controls.push_back(PageControl(ids.leftToRight[i], "Button", buttonTexts[i],
            10 + 52 * static_cast<int>(i), 186, 50, 14, BS_PUSHBUTTON | WS_TABSTOP));
    }
    return page;
}

} // namespace vesk
