#pragma once
// What a smart-pick window says of its method: what its classes mean and how
// a pattern label reads, and for the ranked methods each digit's count with
// the tie rule that placed it.

#include "components/features/analysis/pick/pick_method.h"
#include "components/features/kit/history_draws.h"

#include <QString>

#include <cstddef>

namespace vesk::pick {

// One or two lines: the classes and an example label read out.
QString MethodHelp(analysis::PickMethod method);

// 热温冷 and 金字塔: the digits in rank order over the last window draws,
// each with its count and how many draws ago it last came ("" for the other
// methods or without draws).
QString RankingLine(analysis::PickMethod method, const features::HistoryDraws& draws, int length, std::size_t window);

} // namespace vesk::pick
