#pragma once
// The user's draw history file in the data folder (numbers/draw_history.h
// reads its text, numbers/draw_import.h writes it).

#include "storage/safe_file.h"
#include "numbers/draw_history.h"

#include <optional>
#include <string>

namespace vesk::app {

// Nothing when the file is missing, unreadable, too large or holds no draw.
std::optional<DrawHistory> LoadDrawHistory(const std::string& path, int length = kDefaultDrawLength);

// The history about to be changed. A missing file is an empty history; a
// file that is there but cannot be read whole is an error, so a change never
// writes back less than the user had.
struct HistoryForChange {
    DrawHistory history;
    std::string error; // for the user; empty when the history was read
};
HistoryForChange ReadHistoryForChange(const std::string& path, int length = kDefaultDrawLength);

// The file's bytes for a check; error says why there are none (a missing
// file is an error here: there is nothing to check).
struct HistoryBytes {
    Bytes bytes;
    std::string error; // for the user; empty when read
    bool missing = false;
};
HistoryBytes ReadHistoryBytes(const std::string& path);

// Written beside the file and renamed in.
FileResult SaveDrawHistory(const std::string& path, const DrawHistory& history);

} // namespace vesk::app
