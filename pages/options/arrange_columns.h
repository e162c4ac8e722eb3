#pragma once
// The column arrangement through the host's component ("RyxOther.dll":
// "IArrange"): its images, caption, area captions and the option records of
// the shown (4204) and hidden (4205) columns, then its modal run. True when
// the user changed and stored the arrangement.

#include "host/host_services.h"

namespace vesk::options {

bool RunColumnArrangement(IHostObject& host, WindowHandle owner);

// The same run for another table's columns: its own caption, area captions
// and pair of option records (UTF-8 texts).
struct ColumnArrangementCall {
    const char* caption;
    const char* shownCaption;
    const char* hiddenCaption;
    SlotInt shownRecord;
    SlotInt hiddenRecord;
};
bool RunColumnArrangement(IHostObject& host, WindowHandle owner, const ColumnArrangementCall& call);

} // namespace vesk::options
