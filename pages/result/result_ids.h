#pragma once
// Control ids and template ids of the result page and its number input
// dialog. The page's menu commands reuse the button ids.

#include <cstdint>

namespace vesk::result {

inline constexpr unsigned kResultPageTemplate = 8359;
inline constexpr unsigned kNumberInputTemplate = 8425;

inline constexpr unsigned kStatusResult = 7571;
inline constexpr unsigned kOverwrite = 7567;
inline constexpr unsigned kGroupToSingle = 7565;
inline constexpr unsigned kSingleToGroup = 7566;
inline constexpr unsigned kAdd = 7560;
inline constexpr unsigned kDelete = 7561;
inline constexpr unsigned kClear = 7562;
inline constexpr unsigned kUndo = 7563;
inline constexpr unsigned kRedo = 7564;
inline constexpr unsigned kResultToEditor = 8354;
inline constexpr unsigned kOpen = 7557;
inline constexpr unsigned kSave = 7558;
inline constexpr unsigned kPrint = 7568;
inline constexpr unsigned kOptions = 7559;
inline constexpr unsigned kToChart = 8503;
inline constexpr unsigned kStatusRecycle = 8547;
inline constexpr unsigned kRecycleToEditor = 8546;
inline constexpr unsigned kResultGrid = 10021;
inline constexpr unsigned kRecycleGrid = 10022;

inline constexpr unsigned kNumberEdit = 2019;

} // namespace vesk::result
