#pragma once
// The user's saved condition sets (保存方案 / 载入方案): the file format of
// condition_set_file.h, read whole and refused with a reason, written beside
// the target and renamed in so that a failed save leaves the old file.

#include "components/filter/component/page_kind.h"
#include "components/filter/engine/condition_set.h"

#include <string>

namespace vesk::filter {

struct SetFileRead {
    std::optional<ConditionSet> set; // empty when refused
    std::string error;               // for the user
};

// A set for the game's length that the page can take.
SetFileRead ReadSetFile(const std::string& path, int length, PageKind kind);
// Empty when written, else the reason.
std::string WriteSetFile(const std::string& path, const ConditionSet& set);

} // namespace vesk::filter
