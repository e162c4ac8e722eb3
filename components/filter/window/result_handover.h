#pragma once
// The result numbers kept with a saved set: asked of the workbench window
// with WM_RESULT_SNAPSHOT 101 when a set is saved, handed back with 102
// when a set that holds them is loaded.

#include "framework/win_types.h"

#include <string>
#include <vector>

namespace vesk::filter {

// The workbench's result numbers as digit strings; empty without a window or
// when it answered none.
std::vector<std::string> TakeResults(HWND workbench, int length);
// Hands the numbers to the workbench; numbers not of length digits are left
// out. False when there is no window or nothing to hand.
bool HandBackResults(HWND workbench, const std::vector<std::string>& numbers, int length);

} // namespace vesk::filter
