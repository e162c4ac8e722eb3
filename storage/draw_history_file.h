#pragma once
// The one reader of the draw history file, shared by the host, the filter,
// the analysis features and the command line, so all of them see the same
// draws under the same size bound.

#include "numbers/draw_history.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vesk {

// A draw a day for centuries stays far below this; anything larger is not a
// draw file.
inline constexpr std::size_t kMaxDrawHistoryBytes = std::size_t{64} << 20;

struct DrawHistoryRead {
    std::optional<DrawHistory> history; // nothing when the file could not be read whole
    bool missing = false;               // no file at all: an empty history, not an error
    std::string error;                  // for the user, when history is nothing and not missing
};

DrawHistoryRead ReadDrawHistoryFile(const std::string& path, int length = kDefaultDrawLength);

// What tells a changed file from the one read before: a rewrite by rename
// gives a new inode even within the same nanosecond and size.
struct FileStamp {
    std::uint64_t size = 0;
    std::int64_t seconds = 0;
    std::int64_t nanoseconds = 0;
    std::uint64_t inode = 0;
    std::uint64_t device = 0;
    bool operator==(const FileStamp&) const = default;
};

// Nothing when there is no such file.
std::optional<FileStamp> StampOf(const std::string& path);

} // namespace vesk
