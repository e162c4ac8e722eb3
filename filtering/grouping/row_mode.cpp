#include "filtering/grouping/row_mode.h"

namespace vesk {

RowMode RowModeOf(bool modeBox1, bool modeBox2, bool modeBox3)
{
    if (modeBox1 && modeBox2)
        return RowMode::PickOneAndTwo;
    if (modeBox3)
        return RowMode::PickThree;
    return RowMode::Positional;
}

bool IsRowActive(RowMode mode, int row)
{
    if (row == 2)
        return mode != RowMode::PickOneAndTwo;
    return mode != RowMode::PickThree;
}

PanelButtonStates ButtonStatesFor(RowMode mode, const DigitRows& rows)
{
    PanelButtonStates states;
    int active = 0;
    int withSelection = 0;
    int selected = 0;
    for (int row = 0; row < 3; ++row) {
        if (!IsRowActive(mode, row))
            continue;
        ++active;
        int inRow = 0;
        for (const std::uint8_t flag : rows[static_cast<std::size_t>(row)])
            inRow += flag ? 1 : 0;
        states.rowButton[static_cast<std::size_t>(row)] = inRow > 0;
        withSelection += inRow > 0 ? 1 : 0;
        selected += inRow;
    }
    states.group = withSelection == active;
    states.selectAll = selected < 10 * active;
    states.clearAll = selected > 0;
    return states;
}

GenerationPlan PlanFor(RowMode mode, const DigitRows& rows)
{
    switch (mode) {
    case RowMode::PickOneAndTwo:
        return { rows[0], rows[1], rows[1], true };
    case RowMode::PickThree:
        return { rows[2], rows[2], rows[2], true };
    case RowMode::Positional:
        break;
    }
    return { rows[0], rows[1], rows[2], false };
}

std::vector<std::uint32_t> PlanCodes(const GenerationPlan& plan)
{
    std::vector<std::uint32_t> codes;
    for (std::uint32_t h = 0; h < 10; ++h) {
        if (!plan.hundreds[h])
            continue;
        for (std::uint32_t t = 0; t < 10; ++t) {
            if (!plan.tens[t])
                continue;
            for (std::uint32_t u = 0; u < 10; ++u) {
                if (plan.units[u])
                    codes.push_back(100 * h + 10 * t + u);
            }
        }
    }
    return codes;
}

} // namespace vesk
