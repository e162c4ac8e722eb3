#pragma once
// Changing the user's draw history file: importing files and entering one
// draw, with the merge rules of numbers/draw_import.h. The file is read
// whole first and written back beside its place and renamed in, only when a
// draw was added; on any failure it stays as it was.

#include "app/services/draw_history_file.h"
#include "numbers/draw_import.h"

#include <span>
#include <string>
#include <vector>

namespace vesk::app {

struct DrawChange {
    DrawImportReport report;
    DrawHistory history;   // what the file holds afterwards
    bool written = false;  // the file was replaced
    std::string error;     // the history could not be read or written (nothing changed)
};

// Files that cannot be read are refused as a whole (line 0).
DrawChange ImportDrawFiles(const std::string& historyPath, const std::vector<std::string>& files,
                           int length = kDefaultDrawLength);

// A text read from elsewhere (a download), named by source in the report,
// merged exactly as an imported file's.
DrawChange ImportDrawText(const std::string& historyPath, const std::string& source,
                          std::span<const std::uint8_t> text, int length = kDefaultDrawLength);

// One draw typed in: period digits (may be empty only for a history without
// periods) and number digits of the game's length.
DrawChange EnterDraw(const std::string& historyPath, const std::string& period, const std::string& number,
                     int length = kDefaultDrawLength);

// The source name of a draw typed in, as the report shows it.
inline constexpr const char* kEnteredDrawSource = "录入";

} // namespace vesk::app
