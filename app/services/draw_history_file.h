#pragma once
// The user's draw history file in the data folder (numbers/draw_history.h
// reads its text).

#include "numbers/draw_history.h"

#include <optional>
#include <string>

namespace vesk::app {

// Nothing when the file is missing, unreadable, too large or holds no draw.
std::optional<DrawHistory> LoadDrawHistory(const std::string& path, int length = kDefaultDrawLength);

} // namespace vesk::app
