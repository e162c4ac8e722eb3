#pragma once
// The column arrangement component ("RyxOther.dll": "IArrange") run with the
// skin's arrangement images, for any table whose columns the user arranges:
// its caption, area captions and the option records of the shown and hidden
// columns, then its modal run. True when the user changed and stored the
// arrangement.

#include "host/host_services.h"

namespace vesk {

struct ColumnArrangementCall {
    const char* caption;       // UTF-8
    const char* shownCaption;  // UTF-8
    const char* hiddenCaption; // UTF-8
    SlotInt shownRecord;
    SlotInt hiddenRecord;
};

bool RunColumnArrangement(IHostObject& host, WindowHandle owner, const ColumnArrangementCall& call);

} // namespace vesk
