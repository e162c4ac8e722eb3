#include "storage/safe_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace vesk {
namespace {

struct Injection {
    bool active = false;
    FileStep step = FileStep::Write;
    int error = 0;
};
Injection g_injection;

// True (with errno set) when a test made this step fail.
bool Injected(FileStep step)
{
    if (!g_injection.active || g_injection.step != step)
        return false;
    errno = g_injection.error;
    return true;
}

std::string Describe(const std::string& what, const std::string& path, int error)
{
    return what + " " + path + ": " + std::strerror(error);
}

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    bool Close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, const char* data, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        if (Injected(FileStep::Write))
            return false;
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The stream handed to a filler writes through WriteAll, so a failure
// injected at Write reaches streamed files too.
struct StreamCookie {
    int fd;
    int error = 0;
};

ssize_t CookieWrite(void* cookie, const char* data, std::size_t size)
{
    auto* stream = static_cast<StreamCookie*>(cookie);
    if (!WriteAll(stream->fd, data, size)) {
        stream->error = errno;
        return -1;
    }
    return static_cast<ssize_t>(size);
}

int CookieSeek(void* cookie, off64_t* offset, int whence)
{
    const off64_t at = ::lseek64(static_cast<StreamCookie*>(cookie)->fd, *offset, whence);
    if (at < 0)
        return -1;
    *offset = at;
    return 0;
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes the rename itself durable. A failure here comes after the new
// content is in place, so it is not reported as a failed save.
void SyncFolder(const std::string& path)
{
    if (Injected(FileStep::SyncFolder))
        return;
    Descriptor folder(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
}

// Writes through write, then syncs, renames and syncs the folder. write
// returns the error text (empty on success) and leaves errno set.
FileResult Replace(const std::string& path, const std::function<std::string(int fd)>& write)
{
    std::string temp = path + ".XXXXXX";
    if (Injected(FileStep::Create))
        return {false, Describe("cannot create a file beside", path, errno), errno};
    Descriptor fd(::mkstemp(temp.data()));
    if (fd.get() < 0)
        return {false, Describe("cannot create a file beside", path, errno), errno};
    // mkstemp makes the file private; a replaced file keeps the usual mode.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd.get(), 0666 & ~mask);

    const auto fail = [&](const std::string& message, int error) {
        ::unlink(temp.c_str());
        return FileResult{false, message, error};
    };
    errno = 0;
    const std::string refused = write(fd.get());
    if (!refused.empty())
        return fail(refused, errno);
    if (Injected(FileStep::SyncFile) || ::fsync(fd.get()) != 0)
        return fail(Describe("cannot write", path, errno), errno);
    if (!fd.Close())
        return fail(Describe("cannot write", path, errno), errno);
    if (Injected(FileStep::Rename) || ::rename(temp.c_str(), path.c_str()) != 0)
        return fail(Describe("cannot replace", path, errno), errno);
    SyncFolder(path);
    return {true, {}, 0};
}

} // namespace

FileResult WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes)
{
    return WriteFileSafely(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

FileResult WriteFileSafely(const std::string& path, std::string_view text)
{
    return Replace(path, [&](int fd) -> std::string {
        if (!WriteAll(fd, text.data(), text.size()))
            return Describe("cannot write", path, errno);
        return {};
    });
}

FileResult WriteFileSafely(const std::string& path, const FileFiller& fill)
{
    return Replace(path, [&](int fd) -> std::string {
        StreamCookie cookie{fd};
        std::FILE* file = ::fopencookie(&cookie, "wb", {nullptr, CookieWrite, CookieSeek, nullptr});
        if (!file)
            return Describe("cannot write", path, errno);
        std::string error;
        try {
            error = fill(file);
        } catch (const std::bad_alloc&) {
            error = "not enough memory to write the file";
        }
        const bool flushed = std::fflush(file) == 0 && !std::ferror(file);
        std::fclose(file);
        if (cookie.error != 0) {
            errno = cookie.error;
            return Describe("cannot write", path, cookie.error);
        }
        if (error.empty() && !flushed)
            error = Describe("cannot write", path, errno);
        if (!error.empty())
            errno = 0;
        return error;
    });
}

FileBytes ReadFileBytes(const std::string& path, std::size_t maxBytes)
{
    FileBytes result;
    const auto fail = [&](const char* what) {
        result.errorNumber = errno;
        result.error = std::string(what) + ": " + std::strerror(errno);
        result.bytes.clear();
        return result;
    };
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return fail("cannot open");
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0)
        return fail("cannot read");
    if (S_ISDIR(info.st_mode)) {
        errno = EISDIR;
        return fail("cannot read");
    }
    const bool sized = S_ISREG(info.st_mode);
    if (sized && static_cast<std::uint64_t>(info.st_size) > maxBytes) {
        errno = EFBIG;
        return fail("cannot read");
    }
    if (sized)
        result.bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return fail("cannot read");
        if (n == 0)
            break;
        // Pipes and files that grow while read are held to the same bound.
        if (result.bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
            errno = EFBIG;
            return fail("cannot read");
        }
        result.bytes.append(buffer, static_cast<std::size_t>(n));
    }
    result.ok = true;
    return result;
}

std::optional<Bytes> ReadSmallFile(const std::string& path, std::size_t maxBytes)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    FileBytes read = ReadFileBytes(path, maxBytes);
    if (!read.ok)
        return std::nullopt;
    return Bytes(read.bytes.begin(), read.bytes.end());
}

InjectedFileFailure::InjectedFileFailure(FileStep step, int error)
{
    g_injection = {true, step, error};
}

InjectedFileFailure::~InjectedFileFailure()
{
    g_injection = {};
}

} // namespace vesk
