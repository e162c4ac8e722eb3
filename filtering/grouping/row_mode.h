#pragma once
// How the grouping panel's three rows of digits are read: which rows are
// active, which buttons the selection enables, and which digits stand for
// the hundreds, tens and units place of the generated numbers.

#include "filtering/grouping/digit_categories.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vesk {

enum class RowMode { Positional, PickOneAndTwo, PickThree };

using DigitRows = std::array<DigitFlags, 3>;

// From the three mode boxes: rows 1 and 2 on first, then row 3, else positional.
RowMode RowModeOf(bool modeBox1, bool modeBox2, bool modeBox3);

// row 0..2. Rows 1 and 2 are off in pick-three, row 3 in pick-one-and-two.
bool IsRowActive(RowMode mode, int row);

struct PanelButtonStates {
    // Only the active rows' entries mean anything: an inactive row's button
    // stays as the mode switch left it (disabled).
    std::array<bool, 3> rowButton {};
    bool group = false; // 组号: every active row has a digit
    bool selectAll = false; // 全部选中: some active digit is off
    bool clearAll = false; // 全部清空: some active digit is on
};

PanelButtonStates ButtonStatesFor(RowMode mode, const DigitRows& rows);

struct GenerationPlan {
    DigitFlags hundreds {};
    DigitFlags tens {};
    DigitFlags units {};
    bool toGroups = false; // the codes are to become group numbers
};

GenerationPlan PlanFor(RowMode mode, const DigitRows& rows);

// Every 100h + 10t + u of the plan's places, ascending, without the group
// conversion (which the host's analysis service does).
std::vector<std::uint32_t> PlanCodes(const GenerationPlan& plan);

} // namespace vesk
