#pragma once
// A file mapped read-only into memory: the command line's large inputs are
// parsed in place instead of being copied into a string first.

#include <cstddef>
#include <string>
#include <string_view>

namespace vesk::cli {

class MappedFile {
public:
    MappedFile() = default;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&& other) noexcept;
    ~MappedFile();

    enum class OpenResult { Mapped, NotRegular, Failed };
    // Failed sets error ("cannot open: ..."); NotRegular (a pipe, a device)
    // leaves reading to the caller. An empty file maps to an empty view.
    OpenResult Open(const std::string& path, std::string& error);
    std::string_view View() const { return {static_cast<const char*>(m_data), m_size}; }

private:
    void Unmap();

    void* m_data = nullptr;
    std::size_t m_size = 0;
};

} // namespace vesk::cli
