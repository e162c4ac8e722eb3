#pragma once
// 直落统计's falls: how each position's digit moved from one draw to the
// next. A fall is 直落 when the digit repeats, 斜连 when it moves by one (0
// and 9 are not neighbours), otherwise other.
//
// The scored draws are the window's last n = min(N, H) draws, each against
// the draw before it; the first draw of the history has none and is left
// out, so scored is n - 1 when the window holds the whole history.

#include "components/features/analysis/figure.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vesk::analysis {

enum class FallKind { Straight, Diagonal, Other };
inline constexpr std::size_t kFallKinds = 3;

constexpr FallKind FallOf(int before, int after)
{
    if (before == after)
        return FallKind::Straight;
    return before - after == 1 || after - before == 1 ? FallKind::Diagonal : FallKind::Other;
}

struct FallRow {
    std::int64_t count = 0;      // scored falls of the kind
    Figure share;                // count / scored; 0 when nothing was scored
    std::int64_t currentRun = 0; // the newest falls in a row of this kind, over the whole history
    Figure baseline;             // a uniform digit's chance: 1/10, 18/100, 72/100
};

struct PositionFalls {
    std::int64_t scored = 0;
    std::array<FallRow, kFallKinds> kinds; // indexed by FallKind
};

// draws: oldest first, below 10^length (length 1..8); last: N, 0 for every
// draw. One entry per position, most significant first.
std::vector<PositionFalls> ComputeFalls(std::span<const std::uint32_t> draws, int length, std::size_t last);

} // namespace vesk::analysis
