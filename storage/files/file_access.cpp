#include "storage/files/file_access.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>
#include <system_error>

#include <unistd.h>

namespace vesk::files {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string ErrnoText(const char* what, int error)
{
    return std::string(what) + ": " + std::strerror(error);
}

} // namespace

FileBytes ReadFileBytes(const std::string& path)
{
    FileBytes result;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        result.error = "cannot read: it is a directory";
        return result;
    }
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        result.error = ErrnoText("cannot open", errno);
        return result;
    }
    // One allocation when the size is known; pipes simply grow the text.
    if (std::fseek(file.get(), 0, SEEK_END) == 0) {
        const long size = std::ftell(file.get());
        if (size > 0)
            result.bytes.reserve(static_cast<std::size_t>(size));
        std::rewind(file.get());
    }
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        result.bytes.append(buffer, got);
    if (std::ferror(file.get())) {
        result.error = ErrnoText("cannot read", errno);
        result.bytes.clear();
        return result;
    }
    result.ok = true;
    return result;
}

WriteOutcome WriteFileReplacing(const std::string& path, const std::string& bytes)
{
    return WriteFileReplacing(path, [&bytes](std::FILE* file) -> std::string {
        if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
            return ErrnoText("cannot write", errno);
        return {};
    });
}

WriteOutcome WriteFileReplacing(const std::string& path, const FileFiller& fill)
{
    WriteOutcome result;
    const std::string temporary = path + ".part-" + std::to_string(::getpid());
    {
        FilePtr file(std::fopen(temporary.c_str(), "wb"));
        if (!file) {
            result.error = ErrnoText("cannot create", errno);
            return result;
        }
        std::string error;
        try {
            error = fill(file.get());
        } catch (const std::bad_alloc&) {
            error = "not enough memory to write the file";
        }
        // The data must be on the disk before the name points at it, or a
        // crash could leave an empty file under the name.
        if (error.empty() && (std::fflush(file.get()) != 0 || ::fsync(::fileno(file.get())) != 0))
            error = ErrnoText("cannot write", errno);
        if (std::fclose(file.release()) != 0 && error.empty())
            error = ErrnoText("cannot write", errno);
        if (!error.empty()) {
            std::remove(temporary.c_str());
            result.error = error;
            return result;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::remove(temporary.c_str());
        result.error = "cannot replace: " + ec.message();
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace vesk::files
