#pragma once
// The dialog templates of the result page (8359, a borderless child whose
// controls the page lays out itself) and of the number input dialog (8425).

#include "framework/dialog_template.h"

namespace vesk::result {

DialogTemplate ResultPageTemplate();
DialogTemplate NumberInputTemplate();

} // namespace vesk::result
