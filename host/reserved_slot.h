#pragma once
// Interfaces called by slot keep their virtual functions in slot order. Slots
// nobody calls still take their place in the table; this names them.

#include "host/win_types.h"

#define VESK_RESERVED_SLOT(n) \
    virtual ::vesk::SlotInt Reserved##n() { return 0; }
