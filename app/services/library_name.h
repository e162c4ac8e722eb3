#pragma once
// Which shared library serves a name record: the record's file name with its
// extension dropped, lower-cased, as "lib<stem>.so" ("3DVesk.dll" →
// "lib3dvesk.so"). Records whose file name could reach outside the plug-in
// folder, or that name nothing, map to no library.

#include "host/module_name_record.h"

#include <optional>
#include <string>

namespace vesk::app {

std::optional<std::string> LibraryFileName(const ModuleNameRecord& record);

// The interface name of the record as text (up to its first NUL).
std::string InterfaceName(const ModuleNameRecord& record);

} // namespace vesk::app
