#include "pages/handoff/send_to_chart.h"

#include "framework/cwnd.h"
#include "host/module_messages.h"
#include "pages/handoff/chart_record.h"

#include <QEventLoop>
#include <QTimer>

namespace vesk::handoff {
namespace {

void PauseKeepingWindowsPainted(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

ChartOutcome SendToChart(IHostObject& host, IGameService& game, const NumberList& list, ChartWait wait)
{
    const ChartRecordBuilder record(list, static_cast<std::int32_t>(game.GetNumberLength(kFirstOfNCodes)),
                                    static_cast<std::int32_t>(game.GetListKey()));
    host.OpenFeatureByName("Kelpo", 0);
    ChartOutcome outcome;
    for (int attempt = 0; attempt < wait.attempts; ++attempt) {
        ++outcome.attempts;
        if (IsWindow(FromWindowHandle(host.GetFeatureWindow(1))))
            break;
        PauseKeepingWindowsPainted(wait.intervalMs);
    }
    const HWND target = FromWindowHandle(host.GetFeatureWindow(1));
    if (IsWindow(target)) {
        SendMessage(target, kMessageChartNumbers, kChartNumbersTag, reinterpret_cast<LPARAM>(&record.Record()));
        outcome.delivered = true;
    }
    return outcome;
}

} // namespace vesk::handoff
