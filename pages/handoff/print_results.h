#pragma once
// Printing the result list through the host's print component ("RyxOther.dll":
// "IRyxPrint"): slot 2 (host, N, 3), slot 3 for every number in list order,
// slot 4, then the component goes back to the host. An empty list loads
// nothing.

#include "host/host_services.h"
#include "numbers/number_list.h"

namespace vesk::handoff {

enum class PrintOutcome { Printed, EmptyList, NoComponent };

PrintOutcome PrintResults(IHostObject& host, NumberList& list);

} // namespace vesk::handoff
