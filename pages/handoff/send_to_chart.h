#pragma once
// Handing the result list to the host's chart feature ("Kelpo"): the chart
// record is built, the feature opened through the host, its window awaited
// and sent WM_CHART_NUMBERS (wParam 100, lParam the record), then the
// record's blocks are freed.
//
// The wait asks the host for the window up to `attempts` times, `intervalMs`
// apart (about ten seconds by default). Between tries the event loop keeps
// running for painting and timers, so the window does not freeze; user input
// waits until the hand-off ends, so the page cannot be changed or closed
// under it. The message goes to whatever handle the host reports at the end,
// as a window that never appeared simply does not receive it.

#include "host/host_services.h"
#include "numbers/number_list.h"

namespace vesk::handoff {

struct ChartWait {
    int attempts = 1000;
    int intervalMs = 10;
};

struct ChartOutcome {
    bool delivered = false; // the host reported a live window and it got the message
    int attempts = 0;       // how many times the host was asked for the window
};

ChartOutcome SendToChart(IHostObject& host, IGameService& game, const NumberList& list, ChartWait wait = {});

} // namespace vesk::handoff
