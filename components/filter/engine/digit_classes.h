#pragma once
// The classes of a single digit the condition types count and pattern.

namespace vesk::filter {

constexpr int OddClass(int d) { return d % 2; }
// Big 5-9, small 0-4.
constexpr int BigClass(int d) { return d >= 5 ? 1 : 0; }
// 1 counts as prime here, as players count it; 0 as composite.
constexpr int PrimeClass(int d) { return d == 1 || d == 2 || d == 3 || d == 5 || d == 7 ? 1 : 0; }
constexpr int RoadClass(int d) { return d % 3; }
// Small (X) 0-2, middle (Z) 3-6, large (D) 7-9.
constexpr int DzxClass(int d) { return d <= 2 ? 0 : d <= 6 ? 1 : 2; }

} // namespace vesk::filter
