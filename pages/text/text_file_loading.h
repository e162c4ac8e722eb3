#pragma once
// Loading text files into the workbench's text areas: the open dialog for
// "*.txt" and reading each chosen file whole. Text files are taken as UTF-8
// when valid, else as GB18030, and handed on as UTF-8.

#include "framework/win_types.h"

#include <optional>
#include <string>
#include <vector>

namespace vesk {

class CWnd;

// The file's text as UTF-8, or nothing when it cannot be read.
std::optional<std::string> ReadTextFile(const std::string& path);

enum class FileChoice { One, Several };

struct LoadedTexts {
    bool chosen = false; // false: the dialog was cancelled
    std::vector<std::string> files; // each file's text, in the dialog's order
    std::string unreadable; // the first file that could not be read, if any
};

// Each text followed by "\r\n\r\n", all in one.
std::string FollowedByBlankLines(const std::vector<std::string>& texts);

// Asks for text files and reads them. When a file cannot be read, files is
// empty and unreadable names it, so the caller changes nothing.
LoadedTexts AskForTextFiles(CWnd* parent, FileChoice choice);

// Tells the user that path could not be read (message box on parent).
void ReportUnreadable(CWnd* parent, const std::string& path);

} // namespace vesk
