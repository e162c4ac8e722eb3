#include "tools/cli/mapped_file.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vesk::cli {

MappedFile::MappedFile(MappedFile&& other) noexcept
    : m_data(std::exchange(other.m_data, nullptr))
    , m_size(std::exchange(other.m_size, 0))
{
}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept
{
    if (this != &other) {
        Unmap();
        m_data = std::exchange(other.m_data, nullptr);
        m_size = std::exchange(other.m_size, 0);
    }
    return *this;
}

MappedFile::~MappedFile()
{
    Unmap();
}

void MappedFile::Unmap()
{
    if (m_data != nullptr)
        ::munmap(m_data, m_size);
    m_data = nullptr;
    m_size = 0;
}

MappedFile::OpenResult MappedFile::Open(const std::string& path, std::string& error)
{
    Unmap();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = std::string("cannot open: ") + std::strerror(errno);
        return OpenResult::Failed;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        error = "cannot read: it is a directory";
        ::close(fd);
        return OpenResult::Failed;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return OpenResult::NotRegular;
    }
    if (info.st_size > 0) {
        // Populated up front: one call instead of a fault per page.
        void* data = ::mmap(nullptr, static_cast<std::size_t>(info.st_size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (data == MAP_FAILED) {
            error = std::string("cannot read: ") + std::strerror(errno);
            ::close(fd);
            return OpenResult::Failed;
        }
        m_data = data;
        m_size = static_cast<std::size_t>(info.st_size);
    }
    ::close(fd);
    return OpenResult::Mapped;
}

} // namespace vesk::cli
