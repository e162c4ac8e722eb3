#pragma once
// Where the tests find what the build made: VESK_BINARY_DIR (CTest sets it),
// else the current folder. Both end with "/".

#include <cstdlib>
#include <string>

namespace vesk::test {

inline std::string BuildFolder()
{
    const char* binary = std::getenv("VESK_BINARY_DIR");
    return std::string(binary ? binary : ".") + "/";
}

inline std::string PluginFolder() { return BuildFolder() + "plugins/"; }

} // namespace vesk::test
