#pragma once
// A smart-pick method's pattern table over the history window, and the
// back-test of a set of picked patterns.
//
// The scored draws are the window's last n = min(N, H) draws that have the
// draws before them the method needs; each is classified from the draws
// before it only. For each pattern:
//   count      scored draws that had the pattern; share count / scored
//   spaceShare its share of the number space under the classes for the
//              next draw
//   baseline   the mean, over the scored draws, of its share of the space
//              under that draw's own classes

#include "components/features/analysis/figure.h"
#include "components/features/analysis/pick/pick_patterns.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vesk::analysis {

struct PickPatternRow {
    std::int64_t count = 0;
    Figure share;
    Figure spaceShare;
    Figure baseline;
};

struct PickTable {
    std::size_t historySize = 0; // H
    std::size_t window = 0;      // n
    std::size_t scored = 0;      // the window's draws that could be classified
    std::optional<DigitClasses> next; // for the next draw; none without enough draws
    std::vector<PickPatternRow> rows; // one per pattern of the space, in its order
    // Sum over the scored draws of each pattern's space count under the
    // draw's classes: the baseline's numerator over scored * 10^L.
    std::vector<std::uint64_t> baselineCounts;
};

// draws: oldest first, below 10^length; last: N, 0 for every draw;
// parameters pass ParameterError.
PickTable ComputePickTable(PickMethod method, const PickParameters& parameters, const PatternSpace& space,
                           std::span<const std::uint32_t> draws, std::size_t last);

struct PickBackTest {
    std::int64_t hits = 0;   // scored draws whose pattern was picked
    std::size_t scored = 0;
    Figure rate;             // hits / scored, 0 when nothing was scored
    Figure baseline;         // mean share of the space the picked patterns held
};

// picked: one flag per pattern of the table's space.
PickBackTest BackTestPicked(const PickTable& table, const PatternSpace& space, const std::vector<bool>& picked);

// The table of the n = min(N, H) draws just before the window's: draws a
// choice made on the window never saw, for BackTestPicked. Nothing is
// scored when the window holds every draw (last 0 or N >= H).
PickTable HeldOutTable(PickMethod method, const PickParameters& parameters, const PatternSpace& space,
                       std::span<const std::uint32_t> draws, std::size_t last);

// The rule 按规则挑选 applies: the patterns whose rate over the table's
// window is strictly above their baseline.
std::vector<bool> RulePicks(const PickTable& table);

// The rule's walk-forward record: each of the newest `count` draws that has
// ruleWindow draws before it (fewer are walked when the history is shorter
// than ruleWindow + count) is scored against the patterns the rule picks
// from the ruleWindow draws just before it, so no draw is scored by a pick
// it helped make. A draw the method cannot classify is not scored; one
// whose pick is empty is scored a miss with no chance. The baseline is the
// mean over the scored draws of the picked patterns' share of the space
// under that draw's classes.
PickBackTest WalkForwardRule(PickMethod method, const PickParameters& parameters, const PatternSpace& space,
                             std::span<const std::uint32_t> draws, std::size_t ruleWindow, std::size_t count);

} // namespace vesk::analysis
