#pragma once
// Printing the editor's numbers through the print component ("RyxOther.dll",
// interface "IRyxPrint") that the host loads: slot 2 with (host, n, 3), slot
// 3 once per number with its three digit characters, slot 4, then the
// component goes back to the host.

#include "host/host_services.h"

#include <string_view>

namespace vesk {

enum class PrintOutcome {
    NothingToPrint, // fewer than three digits in the text
    NoComponent, // the host could not load the print component
    Printed,
};

PrintOutcome PrintNumbers(IHostObject* host, std::string_view text);

} // namespace vesk
