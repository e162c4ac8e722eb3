#pragma once
// Where the tests find the built plug-ins.

#include <cstdlib>
#include <string>

namespace vesk::test {

inline std::string PluginFolder()
{
    const char* binary = std::getenv("VESK_BINARY_DIR");
    return std::string(binary ? binary : ".") + "/plugins/";
}

} // namespace vesk::test
