#pragma once
// The one way files are read and replaced. A replacement is written to a new
// file beside the target, synced to disk, renamed over the target and the
// folder synced, so after any failure the old file is exactly as it was and
// after a crash the name points at either the old or the new content.
// Reads are bounded, so a wrong or hostile file cannot exhaust memory.

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vesk {

using Bytes = std::vector<std::uint8_t>;

struct FileResult {
    bool ok = false;
    std::string message; // what went wrong, for the user; empty on success
    int error = 0;       // the errno behind message, 0 when the filler refused
};

FileResult WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes);
FileResult WriteFileSafely(const std::string& path, std::string_view text);

// For files too large to build in memory: fill gets the new file beside
// path, open for writing and seeking, and returns what went wrong or nothing
// (running out of memory inside fill counts as a failure).
using FileFiller = std::function<std::string(std::FILE* file)>;
FileResult WriteFileSafely(const std::string& path, const FileFiller& fill);

// Reads larger than this are refused unless the caller names its own bound.
inline constexpr std::size_t kDefaultReadLimit = std::size_t{256} << 20;

struct FileBytes {
    bool ok = false;
    std::string bytes;
    std::string error; // e.g. "cannot open: No such file or directory"
    int errorNumber = 0;
};

// The whole regular file (or pipe), refused when longer than maxBytes.
FileBytes ReadFileBytes(const std::string& path, std::size_t maxBytes = kDefaultReadLimit);

// The whole file, or nothing when it is missing, unreadable or longer than maxBytes.
std::optional<Bytes> ReadSmallFile(const std::string& path, std::size_t maxBytes);

// The steps of a replacement, for tests that make one of them fail.
enum class FileStep { Create, Write, SyncFile, Rename, SyncFolder };

// While it lives, every replacement fails at step with error (e.g. ENOSPC at
// Write, EIO at SyncFile), as the disk would. Tests only; not thread-safe.
class InjectedFileFailure {
public:
    InjectedFileFailure(FileStep step, int error);
    ~InjectedFileFailure();
    InjectedFileFailure(const InjectedFileFailure&) = delete;
    InjectedFileFailure& operator=(const InjectedFileFailure&) = delete;
};

} // namespace vesk
