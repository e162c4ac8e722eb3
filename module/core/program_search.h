#pragma once
// Finding a desktop program to start, for the features the module hands to
// the system (the calculator).

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vesk {

// Calculators of the common desktops, in order of preference.
inline constexpr std::array<const char*, 6> kCalculatorPrograms = {
    "gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"};

// The full path of the first program, in the order given, that is an
// executable file in one of the folders of searchPath (a PATH value:
// folders separated by ':'; an empty entry is the current folder).
std::optional<std::string> FindProgram(std::string_view searchPath, std::span<const char* const> programs);

} // namespace vesk
