#pragma once
// Whole-file reads and safe replacement of files for the result formats.

#include <string>

namespace vesk::files {

struct FileBytes {
    bool ok = false;
    std::string bytes;
    std::string error; // e.g. "cannot open: No such file or directory"
};

FileBytes ReadFileBytes(const std::string& path);

struct WriteOutcome {
    bool ok = false;
    std::string error;
};

// Writes bytes beside path and renames the result into place, so a failed
// write leaves an existing file as it was.
WriteOutcome WriteFileReplacing(const std::string& path, const std::string& bytes);

} // namespace vesk::files
