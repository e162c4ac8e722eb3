#pragma once
// The messages in which a control asks its parent for its colours: windows
// that colour their controls answer them all alike.

#include "framework/messages.h"

namespace vesk {

constexpr bool IsControlColourMessage(UINT message)
{
    return message == WM_CTLCOLOR || (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC);
}

} // namespace vesk
