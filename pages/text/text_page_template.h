#pragma once
// The template both text pages are made from: a text area filling the page
// and four buttons under it (the page lays them out again when sized).

#include "framework/dialog_template.h"
#include "pages/text/text_page.h"

namespace vesk {

DialogTemplate TextPageTemplate(const TextPageIds& ids, const std::array<const char*, 4>& buttonTexts);

} // namespace vesk
