#pragma once
// The result page's column arrangement: the workbench's captions and the
// option records of the shown (4204) and hidden (4205) columns. True when the
// user changed and stored the arrangement.

#include "host/host_services.h"

namespace vesk::options {

bool RunColumnArrangement(IHostObject& host, WindowHandle owner);

} // namespace vesk::options
