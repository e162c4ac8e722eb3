#pragma once
// What every skinned button does when it subclasses a template's button:
// drop the button type bits and become owner-drawn.

#include "framework/cbutton.h"

namespace vesk::skin {

inline void MakeOwnerDrawn(CButton& button)
{
    button.ModifyStyle(0x1F, BS_OWNERDRAW, SWP_FRAMECHANGED);
}

} // namespace vesk::skin
