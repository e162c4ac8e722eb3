#pragma once
// Loading text files into the workbench's text areas: the open dialog for
// "*.txt" and reading each chosen file whole. Text files are taken as UTF-8
// when valid, else as GB18030, and handed on as UTF-8.

#include "framework/win_types.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vesk {

class CWnd;

// Larger text files are refused before a byte is read: a multi-gigabyte file
// picked by mistake must be a message, not an exhausted memory.
inline constexpr std::int64_t kMaxTextFileBytes = std::int64_t(512) << 20;

// The file's text as UTF-8, or nothing when it cannot be read, is larger than
// kMaxTextFileBytes or does not fit in memory.
std::optional<std::string> ReadTextFile(const std::string& path);

enum class FileChoice { One, Several };

struct LoadedTexts {
    bool chosen = false; // false: the dialog was cancelled
    std::vector<std::string> files;      // the text of each file read, in the dialog's order
    std::vector<std::string> unreadable; // the files that could not be read
};

// Each text followed by "\r\n\r\n", all in one.
std::string FollowedByBlankLines(const std::vector<std::string>& texts);

// Asks for text files and reads every one it can; unreadable names the others.
LoadedTexts AskForTextFiles(CWnd* parent, FileChoice choice);

// Tells the user which files could not be read (one message box on parent);
// nothing when paths is empty.
void ReportUnreadable(CWnd* parent, const std::vector<std::string>& paths);

} // namespace vesk
