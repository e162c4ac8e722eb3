#pragma once
// Whole-file reads and safe replacement of files for the result formats.

#include <cstdio>
#include <functional>
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

// Writes the file through fill, for files too large to build in memory:
// fill gets a new file beside path, open for writing and seeking, and
// returns what went wrong, or nothing (running out of memory inside fill
// counts as a failure). Only when fill succeeds and the file reaches the
// disk is it renamed over path; otherwise it is removed.
using FileFiller = std::function<std::string(std::FILE* file)>;
WriteOutcome WriteFileReplacing(const std::string& path, const FileFiller& fill);

} // namespace vesk::files
