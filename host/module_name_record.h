#pragma once
// The 32-byte record that names a module or component to the host's loader:
// a NUL-padded file name and a NUL-padded interface name.

#include <array>
#include <cstring>
#include <string_view>

namespace vesk {

struct ModuleNameRecord {
    char fileName[16];
    char interfaceName[16];

    // Builds a record with both fields NUL-padded; longer names are cut at 15 bytes.
    static constexpr ModuleNameRecord Make(std::string_view file, std::string_view iface)
    {
        ModuleNameRecord r{};
        for (std::size_t i = 0; i < file.size() && i < 15; ++i)
            r.fileName[i] = file[i];
        for (std::size_t i = 0; i < iface.size() && i < 15; ++i)
            r.interfaceName[i] = iface[i];
        return r;
    }

    // Byte-wise comparison over all 32 bytes, padding included.
    friend bool operator==(const ModuleNameRecord& a, const ModuleNameRecord& b)
    {
        return std::memcmp(&a, &b, sizeof(ModuleNameRecord)) == 0;
    }
};
static_assert(sizeof(ModuleNameRecord) == 32);

inline constexpr ModuleNameRecord kModuleName = ModuleNameRecord::Make("3DVesk.dll", "I3DVesk");

} // namespace vesk
