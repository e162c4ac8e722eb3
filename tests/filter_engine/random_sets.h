#pragma once
// Random condition sets valid for a length, to compare the engine with the
// oracle over many shapes of sets.

#include "components/filter/engine/condition_set.h"

#include <random>
#include <string>
#include <vector>

namespace vesk::filter::test {

int Pick(std::mt19937& rng, int low, int high);
std::string RandomNumber(int length, std::mt19937& rng);
// Fields and values valid for the length; values mostly ones numbers have.
Condition RandomCondition(ConditionType type, int length, const std::vector<std::string>& history,
                          std::mt19937& rng);
// 1..3 groups of a few conditions of random types (history types only with
// a history), random errors, some disabled.
ConditionSet RandomSet(int length, const std::vector<std::string>& history, std::mt19937& rng);

} // namespace vesk::filter::test
