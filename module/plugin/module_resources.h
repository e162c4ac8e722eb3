#pragma once
// The module's resource context: its dialog templates. Every entry that
// creates, shows, destroys or routes windows makes it current for its
// duration (ModuleContextGuard), so templates are found here and not in the
// host's context.

#include "framework/module_context.h"

namespace vesk {

ModuleContext& ModuleResources();

} // namespace vesk
